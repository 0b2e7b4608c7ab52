#include "ui/card_picture_file.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

#include <array>
#include <cstdint>

namespace velmora::ui {
namespace {

constexpr int kMinCellSide = 8;
constexpr int kMaxCellSide = 512;
// A second guard behind the header check: the largest usable sheet,
// 6656 x 2560 at four bytes a pixel, needs 65 MiB.
constexpr int kDecodeLimitMiB = 128;

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

// True when `bytes` is a complete PNG stream: the signature, an IHDR chunk
// first with a width and height the format allows, every chunk whole with a
// correct CRC, up to and including IEND. Truncated or damaged files are
// turned away here, quietly, before the decoder sees them (it would fill part
// of a picture before giving up, and complain on the console).
bool IsWholePng(const QByteArray& bytes) {
    static constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (!bytes.startsWith(QByteArray::fromRawData(kSignature, 8))) return false;
    qsizetype at = 8;
    bool first = true;
    while (true) {
        if (bytes.size() - at < 12) return false;
        const std::uint32_t length = BigEndian32(bytes.constData() + at);
        if (length > 0x7FFFFFFFu || length > static_cast<std::uint64_t>(bytes.size() - at - 12)) return false;
        const char* type = bytes.constData() + at + 4;
        const QByteArray typeName(type, 4);
        if (first) {
            if (typeName != "IHDR" || length != 13) return false;
            for (const char* side : {type + 4, type + 8})
                if (BigEndian32(side) == 0 || BigEndian32(side) > 0x7FFFFFFFu) return false;
            first = false;
        }
        if (Crc32(type, 4 + qsizetype(length)) != BigEndian32(type + 4 + length)) return false;
        if (typeName == "IEND") return true;
        at += 12 + qsizetype(length);
    }
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
    if (bytes.size() > kMaxCardPictureFileBytes || !IsWholePng(bytes)) return {};

    QBuffer buffer;
    buffer.setData(bytes);
    if (!buffer.open(QIODevice::ReadOnly)) return {};
    QImageReader reader(&buffer, "png");
    reader.setAutoDetectImageFormat(false);
    reader.setAutoTransform(false);
    const AllocationLimit limit(kDecodeLimitMiB);
    if (!reader.canRead() || reader.format() != "png") return {};

    // The grid is judged from the header alone, before any pixels are decoded.
    const QSize size = reader.size();
    if (!IsUsableSheetSize(size)) return {};

    QImage sheet;
    if (!reader.read(&sheet) || sheet.size() != size) return {};
    // A palette or 32-bit sheet is kept as decoded (the painted one is a
    // palette PNG, a quarter of the memory); converting it would cost time
    // and, for a moment, a second copy of every pixel.
    const QImage::Format format = sheet.format();
    if (format != QImage::Format_Indexed8 && format != QImage::Format_ARGB32 && format != QImage::Format_RGB32)
        sheet.convertTo(QImage::Format_ARGB32_Premultiplied);
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
