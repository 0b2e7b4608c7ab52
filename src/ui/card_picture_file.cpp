#include "ui/card_picture_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <array>
#include <cstdint>
#include <optional>

namespace velmora::ui {
namespace {

constexpr int kMinCellSide = 8;
constexpr int kMaxCellSide = 512;
// The most memory decoding a sheet may take: the largest usable sheet,
// 6656 x 2560, at four bytes a pixel (65 MiB), plus one byte a pixel for a
// palette or grey picture on its way there (81.25 MiB in all). A PNG of 16
// bits a channel decodes at up to eight bytes a pixel before it is turned
// into 32 bits, so such a sheet is held to a smaller grid.
constexpr qint64 kLargestSheetPixels =
    qint64{CardPictures::kColumns * kMaxCellSide} * (CardPictures::kRows * kMaxCellSide);
constexpr qint64 kDecodeBudgetBytes = kLargestSheetPixels * 5;
// A second guard behind that reckoning: the decoder's own limit, in MiB.
constexpr int kDecodeLimitMiB = static_cast<int>(kDecodeBudgetBytes / (1024 * 1024)) + 1;

constexpr std::array<std::uint32_t, 256> MakeCrcTable() {
    std::array<std::uint32_t, 256> table{};
    for (std::uint32_t n = 0; n < 256; ++n) {
        std::uint32_t c = n;
        for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
        table[n] = c;
    }
    return table;
}

std::uint32_t Crc32(const char* data, qsizetype size) {
    static constexpr std::array<std::uint32_t, 256> table = MakeCrcTable();
    std::uint32_t c = 0xFFFFFFFFu;
    for (qsizetype i = 0; i < size; ++i) c = table[(c ^ static_cast<unsigned char>(data[i])) & 0xFF] ^ (c >> 8);
    return c ^ 0xFFFFFFFFu;
}

std::uint32_t BigEndian32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t{u[0]} << 24 | std::uint32_t{u[1]} << 16 | std::uint32_t{u[2]} << 8 | u[3];
}

// Text chunks say nothing about the pictures, yet the decoder would keep
// every one of them in memory, a compressed one expanded to up to 8 MB: a
// file of a few KB could make it set aside hundreds of MiB.
bool IsTextChunk(const QByteArray& type) { return type == "tEXt" || type == "zTXt" || type == "iTXt"; }

// When `bytes` is a complete PNG stream (the signature, an IHDR chunk first
// with a width and height the format allows, every chunk whole with a
// correct CRC, up to and including IEND), the stream to hand to the decoder:
// the same bytes less any text chunks. Otherwise nothing. Truncated or
// damaged files are turned away here, quietly, before the decoder sees them
// (it would fill part of a picture before giving up, and complain on the
// console).
std::optional<QByteArray> WholePngWithoutText(const QByteArray& bytes) {
    static constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (!bytes.startsWith(QByteArray::fromRawData(kSignature, 8))) return std::nullopt;
    QByteArray kept;  // the chunks so far less the text ones, once one has been met
    bool leftTextOut = false;
    qsizetype at = 8;
    bool first = true;
    while (true) {
        if (bytes.size() - at < 12) return std::nullopt;
        const std::uint32_t length = BigEndian32(bytes.constData() + at);
        if (length > 0x7FFFFFFFu || length > static_cast<std::uint64_t>(bytes.size() - at - 12)) return std::nullopt;
        const char* type = bytes.constData() + at + 4;
        const QByteArray typeName(type, 4);
        if (first) {
            if (typeName != "IHDR" || length != 13) return std::nullopt;
            for (const char* side : {type + 4, type + 8})
                if (BigEndian32(side) == 0 || BigEndian32(side) > 0x7FFFFFFFu) return std::nullopt;
            first = false;
        }
        if (Crc32(type, 4 + qsizetype(length)) != BigEndian32(type + 4 + length)) return std::nullopt;
        const qsizetype chunkSize = 12 + qsizetype(length);
        if (IsTextChunk(typeName)) {
            if (!leftTextOut) {
                kept.reserve(bytes.size() - chunkSize);
                kept.append(bytes.constData(), at);
                leftTextOut = true;
            }
        } else if (leftTextOut) {
            kept.append(bytes.constData() + at, chunkSize);
        }
        if (typeName == "IEND") return leftTextOut ? kept : bytes;
        at += chunkSize;
    }
}

// A palette or 32-bit sheet is kept as decoded (the painted one is a palette
// PNG, a quarter of the memory); any other is turned into 32 bits a pixel.
bool IsKeptAsDecoded(QImage::Format format) {
    return format == QImage::Format_Indexed8 || format == QImage::Format_ARGB32 || format == QImage::Format_RGB32;
}

// The memory a sheet of `pixels` decoded in `format` takes at its peak: the
// decoded picture, and the 32-bit copy it is turned into unless it is kept.
qint64 DecodingBytes(QImage::Format format, qint64 pixels) {
    const qint64 decoded = (pixels * QImage::toPixelFormat(format).bitsPerPixel() + 7) / 8;
    return decoded + (IsKeptAsDecoded(format) ? 0 : pixels * 4);
}

bool IsUsableSheetSize(QSize size) {
    if (!size.isValid() || size.width() % CardPictures::kColumns != 0 || size.height() % CardPictures::kRows != 0)
        return false;
    const int cellWidth = size.width() / CardPictures::kColumns;
    const int cellHeight = size.height() / CardPictures::kRows;
    return cellWidth >= kMinCellSide && cellHeight >= kMinCellSide && cellWidth <= kMaxCellSide &&
           cellHeight <= kMaxCellSide;
}

// Lowers the image readers' allocation limit (a process-wide setting, in
// MiB, 0 meaning none) for as long as it lives, then puts it back.
class AllocationLimit {
public:
    explicit AllocationLimit(int mib) : previous_(QImageReader::allocationLimit()) {
        if (previous_ == 0 || previous_ > mib) QImageReader::setAllocationLimit(mib);
    }
    ~AllocationLimit() { QImageReader::setAllocationLimit(previous_); }
    AllocationLimit(const AllocationLimit&) = delete;
    AllocationLimit& operator=(const AllocationLimit&) = delete;

private:
    int previous_;
};

bool IsRegularFile(const QString& path) {
    const QFileInfo info(path);
    return info.exists() && info.isFile();
}

}  // namespace

QImage CardPictures::Frame(int frame) const {
    if (IsEmpty() || frame < 1 || frame > kFrames) return {};
    const QSize cell = CellSize();
    const int index = frame - 1;
    return sheet_.copy((index % kColumns) * cell.width(), (index / kColumns) * cell.height(), cell.width(),
                       cell.height());
}

QSize CardPictures::CellSize() const {
    if (IsEmpty()) return {};
    return {sheet_.width() / kColumns, sheet_.height() / kRows};
}

CardPictures DecodeCardPictures(const QByteArray& bytes) {
    if (bytes.size() > kMaxCardPictureFileBytes) return {};
    const std::optional<QByteArray> stream = WholePngWithoutText(bytes);
    if (!stream) return {};

    QBuffer buffer;
    buffer.setData(*stream);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    const AllocationLimit limit(kDecodeLimitMiB);
    if (!reader.canRead() || reader.format() != "png") return {};

    // The grid, and the memory decoding will take, are judged from the
    // header alone, before any pixels are decoded.
    const QSize size = reader.size();
    if (!IsUsableSheetSize(size)) return {};
    const QImage::Format decodedFormat = reader.imageFormat();
    if (decodedFormat == QImage::Format_Invalid ||
        DecodingBytes(decodedFormat, qint64{size.width()} * size.height()) > kDecodeBudgetBytes)
        return {};

    QImage sheet;
    if (!reader.read(&sheet) || sheet.size() != size) return {};
    // Converting a kept sheet would cost time and, for a moment, a second
    // copy of every pixel.
    if (!IsKeptAsDecoded(sheet.format())) sheet.convertTo(QImage::Format_ARGB32_Premultiplied);
    if (sheet.isNull() || sheet.size() != size) return {};
    return CardPictures(std::move(sheet));
}

CardPictures LoadCardPictures(const QString& path) {
    if (path.isEmpty()) return {};
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || info.size() > kMaxCardPictureFileBytes) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return {};
    // The file may have grown since it was looked at: read no more than the cap allows.
    const QByteArray bytes = file.read(kMaxCardPictureFileBytes + 1);
    if (bytes.size() > kMaxCardPictureFileBytes) return {};
    return DecodeCardPictures(bytes);
}

QString FindCardPictureFile(const QString& name, const QStringList& folders) {
    if (name.isEmpty()) return {};
    for (const QString& folder : folders) {
        if (folder.isEmpty()) continue;
        const QString candidate = QDir(folder).filePath(name);
        if (IsRegularFile(candidate)) return QDir::cleanPath(QFileInfo(candidate).absoluteFilePath());
    }
    return {};
}

QString FindCardPictureFile(const QString& name) {
    QStringList folders{QDir::currentPath()};
    QString exeFolder;
    if (QCoreApplication::instance()) exeFolder = QCoreApplication::applicationDirPath();
    if (!exeFolder.isEmpty()) folders << exeFolder;
#ifdef VELMORA_DATA_DIR
    folders << QStringLiteral(VELMORA_DATA_DIR);
#endif
    if (!exeFolder.isEmpty()) folders << exeFolder + QStringLiteral("/../share/velmora");
    return FindCardPictureFile(name, folders);
}

}  // namespace velmora::ui
