// The card picture file: the one the build paints, and the loader's handling
// of every kind of bad file the game may meet at start-up.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QTemporaryDir>
#include <QtEndian>

#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <future>
#include <random>
#include <string>
#include <vector>

#include <zlib.h>

#include "pictures/card_picture_file.h"

using namespace velmora::pictures;

namespace {

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    EXPECT_TRUE(buffer.open(QIODevice::WriteOnly) && image.save(&buffer, "png"));
    return bytes;
}

// A sheet whose every cell is filled with its own colour, so that a frame
// cut from the wrong place shows.
QRgb CellColour(int frame) { return qRgb(frame * 3, 255 - frame * 3, (frame * 37) % 256); }

QImage NumberedSheet(QSize cell, QImage::Format format) {
    QImage sheet(cell.width() * CardPictures::kColumns, cell.height() * CardPictures::kRows, format);
    for (int y = 0; y < sheet.height(); ++y)
        for (int x = 0; x < sheet.width(); ++x)
            sheet.setPixel(x, y, CellColour(1 + x / cell.width() + y / cell.height() * CardPictures::kColumns));
    return sheet;
}

// ---------------------------------------------------------------- files

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QString PaintedFilePath() { return QStringLiteral(VELMORA_BUILT_CARD_FILE); }

// ================================================================ the built file

const CardPictures& Built() {
    static const CardPictures pictures = LoadCardPictures(PaintedFilePath());
    return pictures;
}

TEST(BuiltCardFile, FiftyThreeDifferentPicturesOfTwiceTheTableSize) {
    ASSERT_FALSE(Built().IsEmpty()) << "cannot load " << PaintedFilePath().toStdString();
    EXPECT_EQ(Built().CellSize(), QSize(144, 194));
    for (int a = 1; a <= CardPictures::kFrames; ++a)
        for (int b = a + 1; b <= CardPictures::kFrames; ++b)
            EXPECT_NE(Built().Frame(a), Built().Frame(b)) << "frame " << a << " looks like frame " << b;
}

// The index in the top-left corner (rank and small pip, clear of the border)
// is inked in the suit's colour: black for Clubs and Spades, red for
// Diamonds and Hearts.
TEST(BuiltCardFile, CornerIndexIsInkedInTheSuitColour) {
    ASSERT_FALSE(Built().IsEmpty());
    for (int frame = 1; frame <= 52; ++frame) {
        const QImage picture = Built().Frame(frame).convertToFormat(QImage::Format_ARGB32);
        int red = 0, dark = 0;
        for (int y = 4; y < 60; ++y)
            for (int x = 4; x < 32; ++x) {
                const QRgb p = picture.pixel(x, y);
                red += qAlpha(p) == 255 && qRed(p) > 120 && qRed(p) > qGreen(p) + 70 && qRed(p) > qBlue(p) + 60;
                dark += qAlpha(p) == 255 && std::max({qRed(p), qGreen(p), qBlue(p)}) < 90;
            }
        const bool redSuit = (frame - 1) / 13 == 1 || (frame - 1) / 13 == 2;
        EXPECT_GT(redSuit ? red : dark, 150) << "frame " << frame;
        EXPECT_EQ(redSuit ? dark : red, 0) << "frame " << frame;
    }
}

// ================================================================ decoding

// The smallest, a wide flat and the largest cells, in three pixel formats.
TEST(DecodeCardPictures, CutsEveryFrameFromItsOwnCell) {
    for (const auto& [cell, format] : {std::pair(QSize(8, 8), QImage::Format_ARGB32),
                                       std::pair(QSize(512, 8), QImage::Format_RGB888),
                                       std::pair(QSize(512, 512), QImage::Format_RGB32)}) {
        const CardPictures pictures = DecodeCardPictures(EncodePng(NumberedSheet(cell, format)));
        ASSERT_EQ(pictures.CellSize(), cell);
        for (int frame = 1; frame <= CardPictures::kFrames; ++frame) {
            const QImage picture = pictures.Frame(frame);
            ASSERT_EQ(picture.size(), cell) << frame;
            // Both opposite corners of the frame lie in the frame's own cell.
            for (const QPoint at : {QPoint(0, 0), QPoint(cell.width() - 1, cell.height() - 1)})
                EXPECT_EQ(picture.pixel(at), CellColour(frame)) << "frame " << frame;
        }
    }
}

QByteArray GoodFileBytes() {
    QFile file(PaintedFilePath());
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray BigEndian(quint32 n) {
    QByteArray bytes(4, '\0');
    qToBigEndian(n, bytes.data());
    return bytes;
}

void AppendChunk(QByteArray& png, const char* type, const QByteArray& data) {
    const QByteArray body = QByteArray(type, 4) + data;
    png += BigEndian(quint32(data.size())) + body +
           BigEndian(quint32(crc32(0, reinterpret_cast<const Bytef*>(body.constData()), uInt(body.size()))));
}

// A black palette sheet of square cells whose image data holds its rows,
// then `extra` zero bytes more (compressed, a few KB per MiB), in one IDAT
// chunk for each `piece` bytes inflated.
struct LongImageData { int cell; qint64 extra; int piece; };

QByteArray SheetWith(const LongImageData& shape, qint64& rowBytes) {
    const int width = shape.cell * CardPictures::kColumns, height = shape.cell * CardPictures::kRows;
    rowBytes = qint64{height} * (1 + width);
    const auto number = BigEndian;
    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    const auto chunk = [&](const char* type, const QByteArray& data) { AppendChunk(png, type, data); };
    chunk("IHDR", number(width) + number(height) + QByteArray("\x08\x03\x00\x00\x00", 5));
    chunk("PLTE", QByteArray(3, '\0'));
    z_stream stream{};
    deflateInit(&stream, Z_BEST_COMPRESSION);
    const QByteArray zeros(shape.piece, '\0');
    for (qint64 left = rowBytes + shape.extra; left > 0;) {
        const qint64 step = std::min<qint64>(left, shape.piece);
        stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(zeros.constData()));
        stream.avail_in = uInt(step);
        left -= step;
        QByteArray data(qsizetype(deflateBound(&stream, uLong(step)) + 16), '\0');
        stream.next_out = reinterpret_cast<Bytef*>(data.data());
        stream.avail_out = uInt(data.size());
        deflate(&stream, left == 0 ? Z_FINISH : Z_SYNC_FLUSH);
        data.resize(data.size() - qsizetype(stream.avail_out));
        chunk("IDAT", data);
    }
    deflateEnd(&stream);
    chunk("IEND", {});
    return png;
}

// Image data that expands past what the header calls for is refused as it
// passes that size, not inflated to its end: a few KB can hold GiB.
TEST(DecodeCardPictures, StopsInflatingPastThePicture) {
    const LongImageData shapes[] = {
        {8, 0, 1 << 20},                 // the picture, no more
        {8, 1, 1 << 20},                 // one byte more
        {8, qint64{64} << 20, 1 << 20},  // 64 MiB more
        {24, 0, 16384},                  // chunks that end as the inflating steps do
    };
    for (const LongImageData& shape : shapes) {
        qint64 rowBytes = 0;
        const QByteArray bytes = SheetWith(shape, rowBytes);
        DecodeWork work;
        EXPECT_EQ(DecodeCardPictures(bytes, &work).IsEmpty(), shape.extra > 0) << shape.extra;
        EXPECT_GE(work.inflatedBytes, rowBytes + std::min<qint64>(shape.extra, 1)) << shape.extra;
        EXPECT_LE(work.inflatedBytes, rowBytes + 16384) << shape.extra;
    }
}

// Palette sheets of random pixels, each row under a random one of the five
// filters, the image data cut into IDAT chunks of random sizes: decoded as
// Qt's own PNG reader decodes them.
TEST(DecodeCardPictures, PaletteSheetsDecodeAsQtReadsThem) {
    std::mt19937 random(7);
    for (int round = 0; round < 24; ++round) {
        const int cell = 8 + int(random() % 9);
        const int width = cell * CardPictures::kColumns, height = cell * CardPictures::kRows;
        QByteArray rows;
        for (int y = 0; y < height; ++y) {
            rows += char(random() % 5);
            for (int x = 0; x < width; ++x) rows += char(random() % (round % 2 == 0 ? 256 : 8));  // noise, or runs
        }
        QByteArray colours, alphas;
        for (int i = 0; i < 256; ++i) colours += QByteArray(3, char(random()));  // any index has a colour
        for (int i = 0, n = int(random() % 40); i < n; ++i) alphas += char(random());
        const QByteArray packed = qCompress(rows).mid(4);  // zlib's stream, without Qt's length
        QByteArray png("\x89PNG\r\n\x1a\n", 8);
        AppendChunk(png, "IHDR", BigEndian(width) + BigEndian(height) + QByteArray("\x08\x03\x00\x00\x00", 5));
        AppendChunk(png, "PLTE", colours);
        if (!alphas.isEmpty()) AppendChunk(png, "tRNS", alphas.left(colours.size() / 3));
        for (qsizetype at = 0, piece = 0; at < packed.size(); at += piece) {
            piece = 1 + qsizetype(random() % 900);
            if (round % 4 == 1) AppendChunk(png, "IDAT", {});  // empty chunks are allowed
            AppendChunk(png, "IDAT", packed.mid(at, piece));
        }
        AppendChunk(png, "IEND", {});

        const CardPictures pictures = DecodeCardPictures(png);
        const QImage expected = QImage::fromData(png, "png").convertToFormat(QImage::Format_ARGB32);
        ASSERT_FALSE(expected.isNull());
        ASSERT_EQ(pictures.CellSize(), QSize(cell, cell)) << round;
        for (int frame = 1; frame <= CardPictures::kFrames; ++frame) {
            const int column = (frame - 1) % CardPictures::kColumns, row = (frame - 1) / CardPictures::kColumns;
            ASSERT_EQ(pictures.Frame(frame).convertToFormat(QImage::Format_ARGB32),
                      expected.copy(column * cell, row * cell, cell, cell))
                << "round " << round << ", frame " << frame;
        }
    }
}

// Row data Qt's reader refuses, or that inflates to the picture and then
// some: the whole sheet is refused.
TEST(DecodeCardPictures, RefusesARowFilterPastPaethAndBytesAfterTheStream) {
    const int width = 8 * CardPictures::kColumns, height = 8 * CardPictures::kRows;
    for (const auto& [filter, after] : {std::pair('\x04', ""), std::pair('\x05', ""), std::pair('\x00', "!")}) {
        const QByteArray rows = (QByteArray(1, filter) + QByteArray(width, '\x01')).repeated(height);
        QByteArray png("\x89PNG\r\n\x1a\n", 8);
        AppendChunk(png, "IHDR", BigEndian(width) + BigEndian(height) + QByteArray("\x08\x03\x00\x00\x00", 5));
        AppendChunk(png, "PLTE", QByteArray(768, '\x40'));
        AppendChunk(png, "IDAT", qCompress(rows).mid(4) + after);
        AppendChunk(png, "IEND", {});
        const bool good = filter <= 4 && *after == 0;
        EXPECT_EQ(DecodeCardPictures(png).IsEmpty(), !good) << int(filter) << after;
    }
}

// Broken and hostile contents are decoded in card_picture_corpus_test, from
// the fuzzer's seeds and the inputs it found faults with.

// ================================================================ reading files

class CardFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder_.isValid()); }
    QString PathOf(const QString& name) const { return folder_.filePath(name); }
    QString Write(const QString& name, const QByteArray& bytes) {
        const QString path = PathOf(name);
        EXPECT_TRUE(WriteFile(path, bytes));
        return path;
    }

    QTemporaryDir folder_;
};

TEST_F(CardFileOnDisk, WhatLiesAtThePathDecidesWhetherItLoads) {
    const QString good = Write("real.ccb", GoodFileBytes());
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.ccb"));
    ASSERT_TRUE(QFile::link(good, PathOf("link.ccb")));
    ASSERT_TRUE(QFile::link(PathOf("nowhere.ccb"), PathOf("dangling.ccb")));
    // The good file padded after its end: accepted right up to the cap of 32 MiB, not a byte beyond.
    ASSERT_EQ(kMaxCardPictureFileBytes, 32 * 1024 * 1024);
    for (const char* name : {"cap.ccb", "past.ccb"}) Write(name, GoodFileBytes());
    ASSERT_TRUE(QFile::resize(PathOf("cap.ccb"), kMaxCardPictureFileBytes));
    ASSERT_TRUE(QFile::resize(PathOf("past.ccb"), kMaxCardPictureFileBytes + 1));
    std::vector<std::pair<QString, bool>> cases = {
        {good, true}, {PathOf("link.ccb"), true}, {PathOf("cap.ccb"), true},  // a file, a link to one
        {PathOf("missing.ccb"), false}, {QString(), false},                   // nothing there
        {PathOf("folder.ccb"), false}, {PathOf("dangling.ccb"), false}, {PathOf("past.ccb"), false},
    };
    if (::geteuid() != 0) {  // root reads every file, whatever its permissions
        ASSERT_TRUE(QFile::setPermissions(Write("unreadable.ccb", GoodFileBytes()), QFileDevice::WriteOwner));
        cases.emplace_back(PathOf("unreadable.ccb"), false);
    }
    for (const auto& [path, loads] : cases) EXPECT_EQ(!LoadCardPictures(path).IsEmpty(), loads) << path.toStdString();
}

TEST_F(CardFileOnDisk, NamedPipeGivesEmptyWithoutWaitingForAWriter) {
    const QString path = PathOf("cartes.ccb");
    ASSERT_EQ(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
    auto empty = std::async(std::launch::async, [path] { return LoadCardPictures(path).IsEmpty(); });
    if (empty.wait_for(std::chrono::seconds(10)) == std::future_status::timeout) {
        ADD_FAILURE() << "the loader opened the pipe and waited for someone to write to it";
        QFile writer(path);  // lets the stuck reader go on: it sees the pipe closed
        writer.open(QIODevice::WriteOnly);
    }
    EXPECT_TRUE(empty.get());
}

// Loads `path` with room for the program as it is and 16 MiB more; exits 0
// when it loads, or not, as `loads` says.
[[noreturn]] void LoadShortOfMemory(const QString& path, bool loads) {
    long pages = 0;
    std::ifstream("/proc/self/statm") >> pages;
    const rlim_t room = static_cast<rlim_t>(pages * ::sysconf(_SC_PAGESIZE)) + (16 << 20);
    const rlimit limit{room, room};
    ::_exit(::setrlimit(RLIMIT_AS, &limit) == 0 && LoadCardPictures(path).IsEmpty() != loads ? 0 : 1);
}

// Short of memory, the painted file loads, as the loader sets aside no more
// than a file holds; one padded to the cap does not fit, and gives empty
// cards, not an abort.
TEST_F(CardFileOnDisk, ShortOfMemoryLoadsWhatFitsAndNeverAborts) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer sets aside more address space than the limit here";
#endif
    GTEST_FLAG_SET(death_test_style, "threadsafe");  // a fresh process: no freed memory to reuse
    const QString padded = Write("padded.ccb", GoodFileBytes());
    ASSERT_TRUE(QFile::resize(padded, kMaxCardPictureFileBytes));
    for (const auto& [path, loads] : {std::pair(PaintedFilePath(), true), std::pair(padded, false)})
        EXPECT_EXIT(LoadShortOfMemory(path, loads), ::testing::ExitedWithCode(0), "") << path.toStdString();
}

// ================================================================ finding the file

// The first folder holding a regular file of that name, in the folders' order.
TEST(FindCardPictureFile, FindsTheFirstRegularFileInFolderOrder) {
    using Folders = std::vector<const char*>;
    const std::tuple<Folders, Folders, const char*> cases[] = {
        // folders holding a cartes.ccb file, folders holding a cartes.ccb folder, the one found ("" for none)
        {{"current", "program", "data", "relocated"}, {}, "current"},
        {{"relocated"}, {}, "relocated"},
        {{"data"}, {"current", "program"}, "data"},
        {{}, {"current", "program", "data", "relocated"}, ""},
    };
    for (const auto& [regularFileIn, directoryIn, expected] : cases) {
        QTemporaryDir root;
        // A folder that does not exist and an empty entry come first and are passed over.
        QStringList folders{root.filePath("missing"), QString()};
        for (const char* folder : {"current", "program", "data", "relocated"}) {
            folders << root.filePath(folder);
            ASSERT_TRUE(QDir(root.path()).mkdir(folder));
        }
        for (const char* folder : regularFileIn) ASSERT_TRUE(WriteFile(root.filePath(folder) + "/cartes.ccb", "x"));
        for (const char* folder : directoryIn) ASSERT_TRUE(QDir(root.filePath(folder)).mkdir("cartes.ccb"));
        const QString path = *expected ? QFileInfo(root.filePath(expected) + "/cartes.ccb").absoluteFilePath() : "";
        EXPECT_EQ(FindCardPictureFile("cartes.ccb", folders), path) << expected;
    }
}

// The search the game itself makes: the current folder, then the program's.
class DefaultSearch : public CardFileOnDisk {
protected:
    void SetUp() override {
        CardFileOnDisk::SetUp();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    const QString previous_ = QDir::currentPath();
};

TEST_F(DefaultSearch, CurrentFolderThenTheProgramsFolder) {
    const QString here = QFileInfo(Write("cartes.ccb", "x")).absoluteFilePath();
    EXPECT_EQ(FindCardPictureFile("cartes.ccb"), here);
    ASSERT_TRUE(QFile::remove(here));
    // The tests are built beside the painted cartes.ccb, like the game.
    const QFileInfo built(PaintedFilePath());
    if (built.absolutePath() != QCoreApplication::applicationDirPath())
        GTEST_SKIP() << "this test program is not in the folder of " << PaintedFilePath().toStdString();
    ASSERT_TRUE(QDir(folder_.path()).mkdir("cartes.ccb"));  // a folder in the way is passed over
    EXPECT_EQ(FindCardPictureFile("cartes.ccb"), built.absoluteFilePath());
}

// Without a usable file, the game says in one line where it looked: every
// folder, or those up to the one whose file it could not use.
TEST_F(DefaultSearch, WithoutAUsableFileOneLineSaysWhereItLooked) {
    Write("good.ccb", GoodFileBytes());
    Write("broken.ccb", "x");
    const std::string here = folder_.path().toStdString();
    const std::string program = ", " + QCoreApplication::applicationDirPath().toStdString();
    for (const auto& [name, loads, lookedFurther] : {std::tuple("good.ccb", true, false),
                                                     std::tuple("broken.ccb", false, false),
                                                     std::tuple("absent.ccb", false, true)}) {
        ::testing::internal::CaptureStderr();
        EXPECT_EQ(!CardPictureLoading(name)().IsEmpty(), loads) << name;
        const std::string said = ::testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), loads ? 0 : 1) << said;
        EXPECT_EQ(said.find(here) != std::string::npos, !loads) << said;
        EXPECT_EQ(said.find(program) != std::string::npos, lookedFurther) << said;
    }
}

}  // namespace
