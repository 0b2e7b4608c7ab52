// The card picture loader: the painted sheet as the game loads it, and an
// inflate bomb of the largest size the loader reads, 32 MiB: a valid sheet
// of 8 x 8 cells (104 x 40 RGBA) whose compressed image data goes on with
// some 32 GiB of zeros. The loader must turn the bomb away in well under a
// second (the decoder it once used took 81 s to expand it all).
//
//   build-release/card_picture_benchmark
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>

#include <zlib.h>

#include "pictures/card_picture_file.h"

namespace {

using velmora::pictures::CardPictures;

void AppendBigEndian32(QByteArray& out, uLong value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.append(static_cast<char>((value >> shift) & 0xFF));
}

void AppendChunk(QByteArray& png, const char* type, const QByteArray& data) {
    AppendBigEndian32(png, static_cast<uLong>(data.size()));
    const QByteArray typeAndData = QByteArray(type, 4) + data;
    png += typeAndData;
    AppendBigEndian32(png, crc32(0, reinterpret_cast<const Bytef*>(typeAndData.constData()),
                                 static_cast<uInt>(typeAndData.size())));
}

// Deflates `input` as one piece of a stream, ending with `flush`.
QByteArray Deflate(z_stream& stream, const QByteArray& input, int flush) {
    QByteArray out(static_cast<qsizetype>(deflateBound(&stream, static_cast<uLong>(input.size())) + 64), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(input.constData()));
    stream.avail_in = static_cast<uInt>(input.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = static_cast<uInt>(out.size());
    deflate(&stream, flush);
    out.resize(out.size() - stream.avail_out);
    return out;
}

// A PNG of `fileBytes` or a little less: the sheet's rows, then blocks of a
// MiB of zeros, each compressed alone (a full flush between them), repeated
// to fill the file; the stream's checksum is made right for all of them.
QByteArray InflateBomb(qsizetype fileBytes) {
    constexpr int kWidth = 104, kHeight = 40;
    QByteArray rows;
    for (int y = 0; y < kHeight; ++y) rows += '\0' + QByteArray(kWidth * 4, '\x7f');  // filter 0, grey
    const QByteArray zeros(1 << 20, '\0');
    z_stream stream{};
    deflateInit(&stream, 9);
    QByteArray data = Deflate(stream, rows, Z_FULL_FLUSH);
    const QByteArray block = Deflate(stream, zeros, Z_FULL_FLUSH);
    QByteArray end = Deflate(stream, QByteArray(), Z_FINISH);
    deflateEnd(&stream);

    uLong adler = adler32(1, reinterpret_cast<const Bytef*>(rows.constData()), static_cast<uInt>(rows.size()));
    const uLong blockAdler = adler32(1, reinterpret_cast<const Bytef*>(zeros.constData()), static_cast<uInt>(zeros.size()));
    const qsizetype room = fileBytes - 8 - 25 - 12 - 12 - end.size();  // signature, IHDR, IDAT, IEND
    while (data.size() + block.size() <= room) {
        data += block;
        adler = adler32_combine(adler, blockAdler, zeros.size());
    }
    end.chop(4);
    AppendBigEndian32(end, adler);
    data += end;

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    QByteArray header;
    AppendBigEndian32(header, kWidth);
    AppendBigEndian32(header, kHeight);
    header += QByteArray("\x08\x06\x00\x00\x00", 5);  // 8-bit RGBA, not interlaced
    AppendChunk(png, "IHDR", header);
    AppendChunk(png, "IDAT", data);
    AppendChunk(png, "IEND", QByteArray());
    return png;
}

const QByteArray& Bomb() {
    static const QByteArray bomb = InflateBomb(velmora::pictures::kMaxCardPictureFileBytes);
    return bomb;
}

void BM_DecodeInflateBomb(benchmark::State& state) {
    for (auto _ : state)
        if (!velmora::pictures::DecodeCardPictures(Bomb()).IsEmpty()) state.SkipWithError("the bomb was decoded");
    state.SetBytesProcessed(state.iterations() * Bomb().size());
}
BENCHMARK(BM_DecodeInflateBomb)->Unit(benchmark::kMillisecond);

// The same from a file, as the game reads it.
void BM_LoadInflateBomb(benchmark::State& state) {
    QTemporaryDir folder;
    const QString path = folder.filePath(QStringLiteral("cartes.ccb"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(Bomb()) != Bomb().size()) state.SkipWithError("cannot write");
    file.close();
    for (auto _ : state)
        if (!velmora::pictures::LoadCardPictures(path).IsEmpty()) state.SkipWithError("the bomb was loaded");
}
BENCHMARK(BM_LoadInflateBomb)->Unit(benchmark::kMillisecond);

void BM_LoadPaintedSheet(benchmark::State& state) {
    const QString path = velmora::pictures::FindCardPictureFile(QStringLiteral("cartes.ccb"));
    for (auto _ : state)
        if (velmora::pictures::LoadCardPictures(path).IsEmpty()) state.SkipWithError("no painted cartes.ccb beside the program");
}
BENCHMARK(BM_LoadPaintedSheet)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);  // the program's folder, where the painted file lies
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
