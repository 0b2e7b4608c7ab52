#include "pictures/card_picture_file.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QList>
#include <QScopeGuard>

#define ZLIB_CONST  // zlib reads the file's bytes where they lie
#include <zlib.h>
#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string_view>
#include <vector>

namespace velmora::pictures {
namespace {

constexpr int kMinCellSide = 8;
constexpr int kMaxCellSide = 512;
constexpr std::uint32_t kLargestSheetWidth = CardPictures::kColumns * kMaxCellSide;
constexpr std::uint32_t kLargestSheetHeight = CardPictures::kRows * kMaxCellSide;
constexpr int kPaletteColourType = 3;

std::uint32_t BigEndian32(const char* p) {
    const auto* u = reinterpret_cast<const unsigned char*>(p);
    return std::uint32_t{u[0]} << 24 | std::uint32_t{u[1]} << 16 | std::uint32_t{u[2]} << 8 | u[3];
}

// What an IHDR chunk says.
struct Header {
    std::uint32_t width = 0, height = 0;
    int bitDepth = 0, colourType = 0;
    bool interlaced = false;
};

int Channels(int colourType) {
    switch (colourType) {
        case 2: return 3;  // RGB
        case 4: return 2;  // grey and alpha
        case 6: return 4;  // RGBA
        default: return 1; // grey, palette
    }
}

// The header in the 13 bytes of an IHDR chunk, when every field has a value
// the format allows.
std::optional<Header> ParseHeader(const char* data) {
    const Header header{BigEndian32(data), BigEndian32(data + 4), static_cast<unsigned char>(data[8]),
                        static_cast<unsigned char>(data[9]), data[12] == 1};
    const int depth = header.bitDepth;
    bool depthAllowed = false;
    switch (header.colourType) {
        case 0: depthAllowed = depth == 1 || depth == 2 || depth == 4 || depth == 8 || depth == 16; break;
        case kPaletteColourType: depthAllowed = depth == 1 || depth == 2 || depth == 4 || depth == 8; break;
        case 2: case 4: case 6: depthAllowed = depth == 8 || depth == 16; break;
        default: break;
    }
    const auto side = [](std::uint32_t n) { return n >= 1 && n <= 0x7FFFFFFFu; };
    // Compression and filter method 0; interlace method 0 or 1.
    if (!depthAllowed || !side(header.width) || !side(header.height) || data[10] != 0 || data[11] != 0 ||
        static_cast<unsigned char>(data[12]) > 1)
        return std::nullopt;
    return header;
}

bool IsUsableSheetSize(const Header& header) {
    if (header.width % CardPictures::kColumns != 0 || header.height % CardPictures::kRows != 0) return false;
    const std::uint32_t cellWidth = header.width / CardPictures::kColumns;
    const std::uint32_t cellHeight = header.height / CardPictures::kRows;
    return cellWidth >= kMinCellSide && cellHeight >= kMinCellSide && cellWidth <= kMaxCellSide &&
           cellHeight <= kMaxCellSide;
}

// The size of the image data once inflated, as the header calls for it: each
// row of each pass, a filter byte and the row's pixels.
qint64 ImageDataBytes(const Header& header) {
    const qint64 bits = qint64{header.bitDepth} * Channels(header.colourType);
    const auto rows = [bits](qint64 width, qint64 height) { return width == 0 ? 0 : height * (1 + (width * bits + 7) / 8); };
    if (!header.interlaced) return rows(header.width, header.height);
    // The seven passes of Adam7: first column and row, and the steps between them.
    static constexpr int kPasses[7][4] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                          {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
    qint64 total = 0;
    for (const auto& [x0, y0, dx, dy] : kPasses)
        total += rows((qint64{header.width} - x0 + dx - 1) / dx, (qint64{header.height} - y0 + dy - 1) / dy);
    return total;
}

bool IsChunk(const char* chunk, std::string_view type) { return std::string_view(chunk + 4, 4) == type; }

struct Layout {
    Header header;
    qsizetype imageData = 0;  // where the first IDAT chunk starts
};

// When `bytes` is a complete PNG stream (the signature; a valid IHDR chunk
// first; every chunk whole and with a correct CRC; the image data in one run
// of IDAT chunks; up to and including IEND), its header and where its image
// data starts. Otherwise nothing: truncated or damaged files are turned away
// here, before the decoder sees them.
std::optional<Layout> CheckChunks(const QByteArray& bytes) {
    static constexpr char kSignature[] = "\x89PNG\r\n\x1a\n";
    if (bytes.size() < 8 || std::memcmp(bytes.constData(), kSignature, 8) != 0) return std::nullopt;
    std::optional<Header> header;
    qsizetype imageData = 0;
    bool imageDataEnded = false;
    for (qsizetype at = 8;;) {
        if (bytes.size() - at < 12) return std::nullopt;
        const char* chunk = bytes.constData() + at;
        const std::uint32_t length = BigEndian32(chunk);
        if (length > 0x7FFFFFFFu || length > static_cast<std::uint64_t>(bytes.size() - at - 12)) return std::nullopt;
        const auto* typeAndData = reinterpret_cast<const Bytef*>(chunk + 4);
        if (crc32(0, typeAndData, 4 + length) != BigEndian32(chunk + 8 + length)) return std::nullopt;
        if (!header) {
            if (!IsChunk(chunk, "IHDR") || length != 13 || !(header = ParseHeader(chunk + 8))) return std::nullopt;
        } else if (IsChunk(chunk, "IHDR")) {
            return std::nullopt;
        }
        if (IsChunk(chunk, "IDAT")) {
            if (imageDataEnded) return std::nullopt;
            if (imageData == 0) imageData = at;
        } else if (imageData != 0) {
            imageDataEnded = true;
        }
        if (IsChunk(chunk, "IEND")) return imageData != 0 ? std::optional(Layout{*header, imageData}) : std::nullopt;
        at += 12 + qsizetype{length};
    }
}

// A PNG's image data, the run of IDAT chunks from `at` on, inflated a piece
// at a time. Inflating never goes past what is asked for: a file of a few
// MiB can hold many GiB of compressed zeros.
class ImageDataStream {
public:
    ImageDataStream(const QByteArray& bytes, qsizetype at) : chunk_(bytes.constData() + at) {
        started_ = inflateInit(&stream_) == Z_OK;
        sound_ = started_;
    }
    ~ImageDataStream() {
        if (started_) inflateEnd(&stream_);
    }
    ImageDataStream(const ImageDataStream&) = delete;
    ImageDataStream& operator=(const ImageDataStream&) = delete;

    // Inflates exactly `count` bytes into `out`; false when the data is
    // damaged or its compressed stream ends first.
    bool Read(Bytef* out, uInt count) {
        stream_.next_out = out;
        stream_.avail_out = count;
        while (sound_ && !ended_ && stream_.avail_out > 0) {
            if (stream_.avail_in == 0 && !Feed()) break;
            const uInt room = stream_.avail_out;
            const int status = inflate(&stream_, Z_NO_FLUSH);
            inflated_ += room - stream_.avail_out;
            if (status == Z_STREAM_END) ended_ = true;
            else if (status != Z_OK) sound_ = false;  // damaged: nothing more is read
        }
        return sound_ && stream_.avail_out == 0;
    }

    // Whether the compressed stream ends here, with nothing after its end in
    // this chunk or in a later one. Looking may inflate one byte more.
    bool EndsHere() {
        Bytef more = 0;
        if (!ended_ && Read(&more, 1)) return false;
        return sound_ && ended_ && stream_.avail_in == 0 && !Feed();
    }

    qint64 Inflated() const { return inflated_; }

private:
    // Hands inflate the next IDAT chunk's data, if the run has more.
    bool Feed() {
        while (IsChunk(chunk_, "IDAT")) {
            const char* data = chunk_ + 8;
            const std::uint32_t length = BigEndian32(chunk_);
            chunk_ += 12 + qsizetype{length};
            if (length > 0) {
                stream_.next_in = reinterpret_cast<const Bytef*>(data);
                stream_.avail_in = length;
                return true;
            }
        }
        return false;
    }

    z_stream stream_{};
    const char* chunk_;  // the next chunk to feed; whole chunks up to IEND follow
    bool started_ = false;  // inflateEnd is owed
    bool sound_ = false;    // started, and no damage met
    bool ended_ = false;
    qint64 inflated_ = 0;
};

// Whether the image data from `at` on inflates to exactly `expected` bytes,
// with nothing after the end of its compressed stream.
bool InflatesToExactly(const QByteArray& bytes, qsizetype at, qint64 expected, qint64& total) {
    ImageDataStream data(bytes, at);
    Bytef scratch[16384];
    bool whole = true;
    for (qint64 left = expected; whole && left > 0;) {
        const auto piece = static_cast<uInt>(std::min<qint64>(left, sizeof scratch));
        whole = data.Read(scratch, piece);
        left -= piece;
    }
    whole = whole && data.EndsHere();
    total = data.Inflated();
    return whole;
}

// Undoes a row's PNG filter, for one byte a pixel, against the row above.
void Unfilter(int filter, uchar* row, const uchar* above, int width) {
    switch (filter) {
        case 1:
            for (int x = 1; x < width; ++x) row[x] = uchar(row[x] + row[x - 1]);
            break;
        case 2:
            for (int x = 0; x < width; ++x) row[x] = uchar(row[x] + above[x]);
            break;
        case 3:
            for (int x = 0; x < width; ++x) row[x] = uchar(row[x] + ((x > 0 ? row[x - 1] : 0) + above[x]) / 2);
            break;
        case 4:
            for (int x = 0; x < width; ++x) {
                const int a = x > 0 ? row[x - 1] : 0, b = above[x], c = x > 0 ? above[x - 1] : 0;
                const int pa = std::abs(b - c), pb = std::abs(a - c), pc = std::abs(a + b - 2 * c);
                row[x] = uchar(row[x] + (pa <= pb && pa <= pc ? a : pb <= pc ? b : c));
            }
            break;
        default: break;
    }
}

// The rows of an 8-bit palette picture that is not interlaced (the game's
// own sheets): inflated once, straight into the sheet, each row's filter
// undone there. The same checks as InflatesToExactly.
bool InflatePaletteRows(const QByteArray& bytes, qsizetype at, QImage& sheet, qint64& total) {
    ImageDataStream data(bytes, at);
    const int width = sheet.width();
    const std::vector<uchar> zeros(static_cast<std::size_t>(width));  // above the first row
    uchar* const bits = sheet.bits();
    const qsizetype line = sheet.bytesPerLine();
    bool whole = true;
    for (int y = 0; whole && y < sheet.height(); ++y) {
        Bytef filter = 0;
        uchar* row = bits + y * line;
        whole = data.Read(&filter, 1) && filter <= 4 && data.Read(row, static_cast<uInt>(width));
        if (whole) Unfilter(filter, row, y == 0 ? zeros.data() : row - line, width);
    }
    whole = whole && data.EndsHere();
    total = data.Inflated();
    return whole;
}

// What libpng works from and on: plain data, as nothing with a destructor may
// live where its errors jump across.
struct Decoding {
    const char* data;
    std::size_t size;
    std::size_t at;
    bool palette;
    std::size_t rowBytes;
    png_bytep* rows;  // the sheet's rows, or null for the palette alone
    int colours;      // palette entries, each with its alpha
    png_color colour[256];
    png_byte alpha[256];
};

void ReadFromDecoding(png_structp png, png_bytep out, std::size_t count) {
    auto* decoding = static_cast<Decoding*>(png_get_io_ptr(png));
    if (count > decoding->size - decoding->at) png_error(png, nullptr);
    std::memcpy(out, decoding->data + decoding->at, count);
    decoding->at += count;
}

// Anything libpng has to say, an error or a mere warning, refuses the file:
// it goes back to the start of RunDecoder, and nothing reaches the console.
[[noreturn]] void Refuse(png_structp png, png_const_charp) { png_longjmp(png, 1); }

// Decodes a checked stream into the rows of the sheet: a palette image as
// one index a pixel, any other as 32-bit ARGB; without rows, reads only up
// to the palette. False when libpng refuses it.
bool RunDecoder(Decoding& decoding) {
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Refuse, Refuse);
    if (!png) return false;
    png_infop info = png_create_info_struct(png);
    if (!info) {
        png_destroy_read_struct(&png, nullptr, nullptr);
        return false;
    }
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        return false;
    }
    png_set_read_fn(png, &decoding, ReadFromDecoding);
    // Every CRC has been checked already. Of the chunks, only the header,
    // the palette, its transparency, the image data and the end matter.
    png_set_crc_action(png, PNG_CRC_QUIET_USE, PNG_CRC_QUIET_USE);
    png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
    png_set_user_limits(png, kLargestSheetWidth, kLargestSheetHeight);
    png_read_info(png, info);
    if (decoding.palette) {
        png_colorp colours = nullptr;
        if (png_get_PLTE(png, info, &colours, &decoding.colours) != PNG_INFO_PLTE) png_error(png, nullptr);
        decoding.colours = std::clamp(decoding.colours, 0, 256);
        std::memcpy(decoding.colour, colours, sizeof(png_color) * static_cast<std::size_t>(decoding.colours));
        std::memset(decoding.alpha, 0xFF, sizeof decoding.alpha);
        png_bytep alpha = nullptr;
        int alphas = 0;
        if (png_get_tRNS(png, info, &alpha, &alphas, nullptr) == PNG_INFO_tRNS)
            std::memcpy(decoding.alpha, alpha, static_cast<std::size_t>(std::clamp(alphas, 0, 256)));
        if (!decoding.rows) {
            png_destroy_read_struct(&png, &info, nullptr);
            return true;
        }
        png_set_packing(png);
    } else {
        png_set_expand(png);  // grey of fewer than 8 bits to 8; a transparent colour to alpha
        png_set_scale_16(png);
        png_set_gray_to_rgb(png);
#if Q_BYTE_ORDER == Q_LITTLE_ENDIAN
        png_set_bgr(png);  // ARGB32 lies in memory as B, G, R, A
        png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
#else
        png_set_swap_alpha(png);
        png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
#endif
    }
    png_set_interlace_handling(png);
    png_read_update_info(png, info);
    if (png_get_rowbytes(png, info) != decoding.rowBytes) png_error(png, nullptr);
    png_read_image(png, decoding.rows);
    png_destroy_read_struct(&png, &info, nullptr);
    return true;
}

// The folders the game looks in for its picture file, in order.
QStringList CardPictureFolders() {
    QStringList folders{QDir::currentPath()};
    // Before the application object exists (the game starts loading its
    // pictures first thing), the kernel names the executable.
    const QString exeFolder = QCoreApplication::instance()
                                  ? QCoreApplication::applicationDirPath()
                                  : QFileInfo(QFileInfo(QStringLiteral("/proc/self/exe")).symLinkTarget()).path();
    if (!exeFolder.isEmpty()) folders << exeFolder;
#ifdef VELMORA_DATA_DIR
    folders << QStringLiteral(VELMORA_DATA_DIR);
#endif
    if (!exeFolder.isEmpty()) folders << exeFolder + QStringLiteral("/../share/velmora");
    return folders;
}

// The index in `folders` of the first that holds a regular file `name`, or -1.
qsizetype FolderHolding(const QString& name, const QStringList& folders) {
    if (name.isEmpty()) return -1;
    for (qsizetype i = 0; i < folders.size(); ++i) {
        const QFileInfo candidate(QDir(folders[i]).filePath(name));
        if (!folders[i].isEmpty() && candidate.exists() && candidate.isFile()) return i;
    }
    return -1;
}

QString PathIn(const QString& name, const QStringList& folders, qsizetype index) {
    if (index < 0) return {};
    return QDir::cleanPath(QFileInfo(QDir(folders[index]).filePath(name)).absoluteFilePath());
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

CardPictures DecodeCardPictures(const QByteArray& bytes, DecodeWork* work) try {
    if (bytes.size() > kMaxCardPictureFileBytes) return {};
    const std::optional<Layout> layout = CheckChunks(bytes);
    if (!layout || !IsUsableSheetSize(layout->header)) return {};
    const Header& header = layout->header;
    const bool palette = header.colourType == kPaletteColourType;
    const bool onePass = palette && header.bitDepth == 8 && !header.interlaced;
    qint64 inflated = 0;
    const auto noted = [&](bool decoded) {
        if (work) work->inflatedBytes = inflated;
        return decoded;
    };
    if (!onePass && !noted(InflatesToExactly(bytes, layout->imageData, ImageDataBytes(header), inflated)))
        return {};

    // The sheet is the one large allocation: at most 65 MiB, for the largest
    // grid at four bytes a pixel.
    QImage sheet(static_cast<int>(header.width), static_cast<int>(header.height),
                 palette ? QImage::Format_Indexed8 : QImage::Format_ARGB32);
    if (sheet.isNull()) return {};
    Decoding decoding{};
    decoding.data = bytes.constData();
    decoding.size = static_cast<std::size_t>(bytes.size());
    decoding.palette = palette;
    decoding.rowBytes = header.width * (palette ? 1u : 4u);
    bool decoded = false;
    if (onePass) {
        decoded = RunDecoder(decoding) && noted(InflatePaletteRows(bytes, layout->imageData, sheet, inflated));
    } else {
        std::vector<png_bytep> rows(header.height);
        for (int y = 0; y < sheet.height(); ++y) rows[static_cast<std::size_t>(y)] = sheet.scanLine(y);
        decoding.rows = rows.data();
        decoded = RunDecoder(decoding);
    }
    if (!decoded) return {};
    if (palette) {
        // Indexes past the palette show opaque black, as Qt draws them.
        QList<QRgb> colours(256, qRgb(0, 0, 0));
        for (int i = 0; i < decoding.colours; ++i) {
            const png_color& c = decoding.colour[i];
            colours[i] = qRgba(c.red, c.green, c.blue, decoding.alpha[i]);
        }
        sheet.setColorTable(colours);
    }
    return CardPictures(std::move(sheet));
} catch (const std::bad_alloc&) {
    return {};
}

CardPictures LoadCardPictures(const QString& path) try {
    if (path.isEmpty()) return {};
    const QFileInfo info(path);
    if (!info.isFile() || !info.isReadable() || info.size() > kMaxCardPictureFileBytes) return {};
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.isSequential()) return {};
    // What the file holds now, and no more: it may have changed since it was
    // looked at, and room for the largest file would be 32 MiB set aside.
    const qint64 size = file.size();
    if (size > kMaxCardPictureFileBytes) return {};
    QByteArray bytes(size, Qt::Uninitialized);
    if (bytes.size() != size || file.read(bytes.data(), size) != size) return {};
    return DecodeCardPictures(bytes);
} catch (const std::bad_alloc&) {
    return {};
}

QString FindCardPictureFile(const QString& name, const QStringList& folders) {
    return PathIn(name, folders, FolderHolding(name, folders));
}

QString FindCardPictureFile(const QString& name) { return FindCardPictureFile(name, CardPictureFolders()); }

std::function<CardPictures()> CardPictureLoading(const QString& name) {
    QStringList folders = CardPictureFolders();
    const qsizetype found = FolderHolding(name, folders);
    const QString path = PathIn(name, folders, found);
    // The folders looked in: every one, or up to the one whose file is unusable.
    if (found >= 0) folders.erase(folders.begin() + found + 1, folders.end());
    QStringList looked;
    for (const QString& folder : folders)
        if (!folder.isEmpty()) looked << QDir::cleanPath(QDir(folder).absolutePath());
    looked.removeDuplicates();
    return [name, path, looked] {
        CardPictures pictures = LoadCardPictures(path);
        if (pictures.IsEmpty())
            std::fprintf(stderr, "velmora: no usable card pictures \"%s\" in %s; the cards stay blank\n",
                         qUtf8Printable(name), qUtf8Printable(looked.join(QStringLiteral(", "))));
        return pictures;
    };
}

}  // namespace velmora::pictures
