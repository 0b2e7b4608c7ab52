// Fuzzes the card picture loader: DecodeCardPictures() must turn any bytes at
// all into either a full, consistent set of card pictures or an empty one,
// without crashing, reading outside its buffers or holding on to memory.
//
// A PNG carries a CRC after every chunk and the loader refuses a file whose
// CRCs are wrong before the image decoder sees it, so most random changes to
// a good file would only ever test that check. The custom mutator below
// therefore puts the CRCs right again after most mutations, which lets the
// fuzzer reach the decoder itself with damaged headers, palettes, colour
// profiles and compressed pixel data.
//
// Only our own code carries coverage hooks (Qt and libpng come from the
// system), so the decoder's own paths are invisible to libFuzzer. A look at
// what the decoder makes of each header, in branches of this file, gives it
// something to tell those inputs apart by.

#include <QBuffer>
#include <QByteArray>
#include <QCoreApplication>
#include <QImage>
#include <QImageReader>
#include <QSize>
#include <QtGlobal>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "ui/card_picture_file.h"

using velmora::ui::CardPictures;
using velmora::ui::DecodeCardPictures;

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

// The sheet is kept as a palette image or at 32 bits a pixel.
bool IsKeptFormat(QImage::Format format) {
    return format == QImage::Format_Indexed8 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_RGB32 || format == QImage::Format_ARGB32_Premultiplied;
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

// The chunks of a whole PNG stream less its text chunks, which is what the
// loader hands its decoder; empty when a chunk runs past the end or IEND
// never comes (the loader gives such a file no further look).
QByteArray WholeStreamWithoutText(const uint8_t* data, size_t size) {
    if (size < 8 || std::memcmp(data, "\x89PNG\r\n\x1a\n", 8) != 0) return {};
    QByteArray stream(reinterpret_cast<const char*>(data), 8);
    size_t at = 8;
    while (size >= 12 && at <= size - 12) {
        const std::uint32_t length = ReadBigEndian32(data + at);
        if (length > size - at - 12) return {};
        const char* type = reinterpret_cast<const char*>(data + at + 4);
        const bool text = std::memcmp(type, "tEXt", 4) == 0 || std::memcmp(type, "zTXt", 4) == 0 ||
                          std::memcmp(type, "iTXt", 4) == 0;
        if (!text) stream.append(reinterpret_cast<const char*>(data + at), qsizetype(12 + size_t{length}));
        if (std::memcmp(type, "IEND", 4) == 0) return stream;
        at += 12 + size_t{length};
    }
    return {};
}

// One branch for each thing worth telling apart in what the decoder reads
// from the header: the pixel format it will decode to and the size class.
// The values themselves are thrown away.
void LookAtHeader(const uint8_t* data, size_t size) {
    const QByteArray stream = WholeStreamWithoutText(data, size);
    if (stream.isEmpty()) return;
    QBuffer buffer;
    buffer.setData(stream);
    if (!buffer.open(QIODevice::ReadOnly)) return;
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    volatile int seen = 0;
    switch (reader.imageFormat()) {
        case QImage::Format_Invalid: seen = 1; break;
        case QImage::Format_Mono: seen = 2; break;
        case QImage::Format_Indexed8: seen = 3; break;
        case QImage::Format_RGB32: seen = 4; break;
        case QImage::Format_ARGB32: seen = 5; break;
        case QImage::Format_Grayscale8: seen = 6; break;
        case QImage::Format_Grayscale16: seen = 7; break;
        case QImage::Format_RGBX64: seen = 8; break;
        case QImage::Format_RGBA64: seen = 9; break;
        default: seen = 10; break;
    }
    const QSize pixels = reader.size();
    if (!pixels.isValid()) seen = 11;
    else if (pixels.width() % CardPictures::kColumns != 0 || pixels.height() % CardPictures::kRows != 0) seen = 12;
    else if (pixels.width() < 8 * CardPictures::kColumns || pixels.height() < 8 * CardPictures::kRows) seen = 13;
    else if (pixels.width() > 512 * CardPictures::kColumns || pixels.height() > 512 * CardPictures::kRows) seen = 14;
    else seen = 15;
    (void)seen;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // Image plug-ins look for their folders through the application object.
    static QCoreApplication app(*argc, *argv);
    // The image decoder's complaints about broken files would flood the log.
    qInstallMessageHandler([](QtMsgType, const QMessageLogContext&, const QString&) {});
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
    LookAtHeader(data, size);
    const CardPictures pictures = DecodeCardPictures(bytes);

    if (pictures.IsEmpty()) {
        Require(!pictures.CellSize().isValid());
        Require(pictures.Frame(1).isNull() && pictures.Frame(CardPictures::kBackFrame).isNull());
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
