// Fuzzes the card picture loader: DecodeCardPictures() must turn any bytes at
// all into either a full, consistent set of card pictures or an empty one,
// without crashing, reading outside its buffers or holding on to memory.
//
// A PNG carries a CRC after every chunk and the loader refuses a file whose
// CRCs are wrong before the image decoder sees it, so most random changes to
// a good file would only ever test that check. The custom mutator below
// therefore puts the CRCs right again after most mutations, which lets the
// fuzzer reach the decoder itself with damaged headers, palettes and
// compressed pixel data.
//
// Only our own code carries coverage hooks (Qt, zlib and libpng come from
// the system); the loader's own look at the header, its measure of the
// compressed image data and its setting up of libpng for each colour type
// are what the fuzzer tells inputs apart by. The seeds include a small
// inflate bomb (bad-image-data-4-MiB-too-long.png) and the dictionary the
// pieces of a zlib stream, so that it reaches the loader's refusal of
// image data that goes on past the picture.

#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QSize>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "pictures/card_picture_file.h"

using velmora::pictures::CardPictures;
using velmora::pictures::DecodeCardPictures;

extern "C" size_t LLVMFuzzerMutate(uint8_t* data, size_t size, size_t maxSize);

namespace {

// The size of a card on the table at 100%, in pixels.
const QSize kTableCard(72, 97);

// Stops the run as a crash, so that libFuzzer keeps the input that broke a promise.
void Require(bool condition) {
    if (!condition) std::abort();
}

std::uint32_t ReadBigEndian32(const uint8_t* p) {
    return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 | p[3];
}

void WriteBigEndian32(uint8_t* p, std::uint32_t value) {
    for (int i = 0; i < 4; ++i) p[i] = static_cast<uint8_t>(value >> (24 - 8 * i));
}

// Bit-at-a-time CRC-32 as the PNG format defines it; independent of the loader's own.
std::uint32_t PngCrc(const uint8_t* data, size_t size) {
    std::uint32_t crc = 0xFFFFFFFFu;
    for (size_t i = 0; i < size; ++i) {
        crc ^= data[i];
        for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ (0xEDB88320u & (0u - (crc & 1u)));
    }
    return crc ^ 0xFFFFFFFFu;
}

// Rewrites the CRC of every whole chunk after the 8-byte signature.
void RepairChunkCrcs(uint8_t* data, size_t size) {
    size_t at = 8;
    while (size >= 12 && at <= size - 12) {
        const std::uint32_t length = ReadBigEndian32(data + at);
        if (length > size - at - 12) return;
        WriteBigEndian32(data + at + 8 + length, PngCrc(data + at + 4, 4 + size_t{length}));
        at += 12 + size_t{length};
    }
}

// The sheet is a palette image or 32-bit ARGB.
bool IsKeptFormat(QImage::Format format) {
    return format == QImage::Format_Indexed8 || format == QImage::Format_ARGB32;
}

// Reads every byte of the picture from instrumented code, so that a frame
// pointing outside its pixel memory shows up here.
unsigned Checksum(const QImage& picture) {
    unsigned sum = 0;
    for (int y = 0; y < picture.height(); ++y) {
        const uchar* line = picture.constScanLine(y);
        for (qsizetype x = 0; x < picture.bytesPerLine(); ++x) sum += line[x];
    }
    return sum;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // As in the game, the loader runs with an application object. Nothing is
    // silenced: the loader must print nothing, whatever the file.
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" size_t LLVMFuzzerCustomMutator(uint8_t* data, size_t size, size_t maxSize, unsigned int seed) {
    size = LLVMFuzzerMutate(data, size, maxSize);
    // One mutation in eight keeps its broken CRCs, so that check stays tested too.
    if (seed % 8 != 0) RepairChunkCrcs(data, size);
    return size;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    // No copy: the loader sees libFuzzer's own buffer, exactly `size` bytes long.
    const QByteArray bytes = QByteArray::fromRawData(reinterpret_cast<const char*>(data), qsizetype(size));
    const CardPictures pictures = DecodeCardPictures(bytes);

    if (pictures.IsEmpty()) {
        Require(!pictures.CellSize().isValid());
        Require(pictures.Frame(1).isNull() && pictures.Frame(CardPictures::kFrames).isNull());
        return 0;
    }

    const QSize cell = pictures.CellSize();
    Require(cell.width() >= 8 && cell.width() <= 512 && cell.height() >= 8 && cell.height() <= 512);
    Require(pictures.Frame(0).isNull() && pictures.Frame(CardPictures::kFrames + 1).isNull());
    unsigned sum = 0;
    for (int frame = 1; frame <= CardPictures::kFrames; ++frame) {
        const QImage picture = pictures.Frame(frame);
        Require(picture.size() == cell && IsKeptFormat(picture.format()));
        sum += Checksum(picture);
        // As the table draws a card at 100%: shrunk with a smooth filter,
        // which turns a palette picture into colours through its table.
        const QImage drawn = picture.scaled(kTableCard, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
        Require(drawn.size() == kTableCard);
        sum += Checksum(drawn);
    }
    // Keeps the checksums from being optimised away.
    volatile unsigned sink = sum;
    (void)sink;
    return 0;
}
