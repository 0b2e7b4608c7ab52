// The card picture file: the one the build paints, and the loader's handling
// of every kind of bad file the game may meet at start-up.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QTemporaryDir>

#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <future>
#include <ostream>
#include <string>
#include <vector>

#include "ui/card_picture_file.h"

using velmora::ui::CardPictures;
using velmora::ui::DecodeCardPictures;
using velmora::ui::FindCardPictureFile;
using velmora::ui::kMaxCardPictureFileBytes;
using velmora::ui::LoadCardPictures;

namespace {

constexpr int kBack = 53;

QByteArray EncodePng(const QImage& image) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "png");
    EXPECT_TRUE(writer.write(image)) << writer.errorString().toStdString();
    return bytes;
}

// A sheet whose every cell is filled with its own colour, so that a frame
// cut from the wrong place shows.
QRgb CellColour(int frame) { return qRgb(frame * 3, 255 - frame * 3, (frame * 37) % 256); }

QImage NumberedSheet(QSize cell, QImage::Format format) {
    QImage sheet(cell.width() * CardPictures::kColumns, cell.height() * CardPictures::kRows, format);
    sheet.fill(Qt::black);
    for (int frame = 1; frame <= CardPictures::kColumns * CardPictures::kRows; ++frame) {
        const int index = frame - 1;
        const QRect rect((index % CardPictures::kColumns) * cell.width(),
                         (index / CardPictures::kColumns) * cell.height(), cell.width(), cell.height());
        for (int y = rect.top(); y <= rect.bottom(); ++y)
            for (int x = rect.left(); x <= rect.right(); ++x) sheet.setPixel(x, y, CellColour(frame));
    }
    return sheet;
}

// ---------------------------------------------------------------- files

bool WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size();
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString PaintedFilePath() { return QStringLiteral(VELMORA_BUILT_CARD_FILE); }

// ---------------------------------------------------------------- picture statistics

bool IsRedInk(QRgb p) {
    return qAlpha(p) == 255 && qRed(p) > 120 && qRed(p) > qGreen(p) + 70 && qRed(p) > qBlue(p) + 60;
}
bool IsDarkInk(QRgb p) { return qAlpha(p) == 255 && std::max({qRed(p), qGreen(p), qBlue(p)}) < 90; }

struct InkCount {
    int red = 0;
    int dark = 0;
};

InkCount CountInk(const QImage& picture, QRect area) {
    const QImage image = picture.convertToFormat(QImage::Format_ARGB32);
    InkCount count;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            count.red += IsRedInk(p);
            count.dark += IsDarkInk(p);
        }
    return count;
}

std::string FrameName(int frame) {
    static const char* const kSuits[] = {"clubs", "diamonds", "hearts", "spades"};
    static const char* const kRanks[] = {"ace", "2", "3", "4", "5", "6", "7", "8", "9", "10", "jack", "queen", "king"};
    if (frame == kBack) return "back";
    return std::string(kRanks[(frame - 1) % 13]) + " of " + kSuits[(frame - 1) / 13];
}

// ================================================================ the built file

class BuiltCardFile : public ::testing::Test {
protected:
    static void SetUpTestSuite() { pictures_ = new CardPictures(LoadCardPictures(PaintedFilePath())); }
    static void TearDownTestSuite() {
        delete pictures_;
        pictures_ = nullptr;
    }
    static const CardPictures& Pictures() { return *pictures_; }

    void SetUp() override { ASSERT_FALSE(Pictures().IsEmpty()) << "cannot load " << PaintedFilePath().toStdString(); }

private:
    static inline CardPictures* pictures_ = nullptr;
};

TEST_F(BuiltCardFile, HoldsFiftyThreeFramesOfTwiceTheTableSize) {
    EXPECT_EQ(Pictures().CellSize(), QSize(144, 194));
    for (int frame = 1; frame <= CardPictures::kFrames; ++frame)
        EXPECT_EQ(Pictures().Frame(frame).size(), QSize(144, 194)) << FrameName(frame);
    for (const int frame : {-1, 0, 54, 65}) EXPECT_TRUE(Pictures().Frame(frame).isNull()) << frame;
}

TEST_F(BuiltCardFile, EveryPictureDiffersFromEveryOther) {
    std::vector<QImage> pictures;
    for (int frame = 1; frame <= CardPictures::kFrames; ++frame) pictures.push_back(Pictures().Frame(frame));
    for (int a = 0; a < CardPictures::kFrames; ++a)
        for (int b = a + 1; b < CardPictures::kFrames; ++b)
            EXPECT_NE(pictures[a], pictures[b]) << FrameName(a + 1) << " looks like " << FrameName(b + 1);
}

TEST_F(BuiltCardFile, OutsideTheRoundedCornersIsTransparent) {
    for (int frame = 1; frame <= CardPictures::kFrames; ++frame) {
        const QImage picture = Pictures().Frame(frame);
        const int right = picture.width() - 1, bottom = picture.height() - 1;
        for (int inset = 0; inset <= 2; ++inset) {
            for (const QPoint corner : {QPoint(inset, inset), QPoint(right - inset, inset), QPoint(inset, bottom - inset),
                                        QPoint(right - inset, bottom - inset)})
                EXPECT_EQ(qAlpha(picture.pixel(corner)), 0) << FrameName(frame) << " at " << corner.x() << ","
                                                            << corner.y();
        }
        // The card itself is opaque, right up to its straight edges.
        for (const QPoint inside : {QPoint(right / 2, bottom / 2), QPoint(0, bottom / 2), QPoint(right / 2, 0)})
            EXPECT_EQ(qAlpha(picture.pixel(inside)), 255) << FrameName(frame);
    }
}

struct SuitInk {
    int block;
    const char* name;
    bool red;
};

void PrintTo(const SuitInk& suit, std::ostream* out) { *out << suit.name; }

class BuiltCardSuits : public BuiltCardFile, public ::testing::WithParamInterface<SuitInk> {};

// The index in the top-left corner: rank and small pip, clear of the border.
const QRect kIndexCorner(4, 4, 28, 56);

TEST_P(BuiltCardSuits, CornerIndexIsInkedInTheSuitColour) {
    const SuitInk suit = GetParam();
    for (int rank = 1; rank <= 13; ++rank) {
        const int frame = (suit.block - 1) * 13 + rank;
        const InkCount ink = CountInk(Pictures().Frame(frame), kIndexCorner);
        if (suit.red) {
            EXPECT_GT(ink.red, 150) << FrameName(frame);
            EXPECT_EQ(ink.dark, 0) << FrameName(frame);
        } else {
            EXPECT_GT(ink.dark, 150) << FrameName(frame);
            EXPECT_EQ(ink.red, 0) << FrameName(frame);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Blocks, BuiltCardSuits,
                         ::testing::Values(SuitInk{1, "Clubs", false}, SuitInk{2, "Diamonds", true},
                                           SuitInk{3, "Hearts", true}, SuitInk{4, "Spades", false}),
                         [](const auto& info) { return std::string(info.param.name); });

// ================================================================ decoding

struct GoodSheet {
    const char* name;
    QSize cell;
    QImage::Format format;
};

void PrintTo(const GoodSheet& sheet, std::ostream* out) {
    *out << sheet.name << " (" << sheet.cell.width() << " x " << sheet.cell.height() << " cells)";
}

class DecodesGoodSheet : public ::testing::TestWithParam<GoodSheet> {};

TEST_P(DecodesGoodSheet, CutsEveryFrameFromItsOwnCell) {
    const GoodSheet sheet = GetParam();
    const CardPictures pictures = DecodeCardPictures(EncodePng(NumberedSheet(sheet.cell, sheet.format)));
    ASSERT_FALSE(pictures.IsEmpty());
    EXPECT_EQ(pictures.CellSize(), sheet.cell);
    for (int frame = 1; frame <= CardPictures::kFrames; ++frame) {
        const QImage picture = pictures.Frame(frame);
        ASSERT_EQ(picture.size(), sheet.cell) << frame;
        // Both opposite corners of the frame lie in the frame's own cell.
        for (const QPoint at : {QPoint(0, 0), QPoint(sheet.cell.width() - 1, sheet.cell.height() - 1)})
            EXPECT_EQ(picture.pixel(at), CellColour(frame)) << "frame " << frame;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, DecodesGoodSheet,
    ::testing::Values(GoodSheet{"SmallestCells", {8, 8}, QImage::Format_ARGB32},
                      GoodSheet{"WideFlatCells", {512, 8}, QImage::Format_RGB888},
                      GoodSheet{"LargestCells", {512, 512}, QImage::Format_RGB32}),
    [](const auto& info) { return std::string(info.param.name); });

QByteArray GoodFileBytes() { return ReadFile(PaintedFilePath()); }

// Broken and hostile contents are decoded in card_picture_corpus_test, from
// the fuzzer's seeds and the inputs it found faults with.

TEST(DecodeCardPictures, LeavesTheImageReadersAllocationLimitAsItFoundIt) {
    const int before = QImageReader::allocationLimit();
    for (const int limit : {0, 64, 512}) {
        QImageReader::setAllocationLimit(limit);
        EXPECT_FALSE(DecodeCardPictures(GoodFileBytes()).IsEmpty());
        EXPECT_EQ(QImageReader::allocationLimit(), limit);
    }
    QImageReader::setAllocationLimit(before);
}

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
    const QString truncated = Write("half.ccb", GoodFileBytes().left(GoodFileBytes().size() / 2));
    ASSERT_TRUE(QDir(folder_.path()).mkdir("folder.ccb"));
    ASSERT_TRUE(QFile::link(good, PathOf("link.ccb")));
    ASSERT_TRUE(QFile::link(PathOf("nowhere.ccb"), PathOf("dangling.ccb")));
    const std::pair<QString, bool> cases[] = {
        {good, true}, {PathOf("link.ccb"), true},           // a file, and a link to one
        {PathOf("missing.ccb"), false}, {QString(), false}, // nothing there
        {PathOf("folder.ccb"), false}, {PathOf("dangling.ccb"), false}, {truncated, false},
    };
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

TEST_F(CardFileOnDisk, UnreadableFileGivesEmpty) {
    if (::geteuid() == 0) GTEST_SKIP() << "root reads every file whatever its permissions";
    const QString path = Write("cartes.ccb", GoodFileBytes());
    ASSERT_TRUE(QFile::setPermissions(path, QFileDevice::WriteOwner));
    EXPECT_TRUE(LoadCardPictures(path).IsEmpty());
}

TEST_F(CardFileOnDisk, SizeCapIsThirtyTwoMebibytes) {
    // A good file padded after its end: accepted right up to the cap, not a byte beyond.
    QByteArray bytes = GoodFileBytes();
    ASSERT_LT(bytes.size(), kMaxCardPictureFileBytes);
    ASSERT_EQ(kMaxCardPictureFileBytes, 32 * 1024 * 1024);
    struct Case {
        qint64 size;
        bool loads;
    };
    for (const Case c : {Case{kMaxCardPictureFileBytes, true}, Case{kMaxCardPictureFileBytes + 1, false},
                         Case{kMaxCardPictureFileBytes * 4, false}}) {
        const QString path = Write("cartes.ccb", bytes);
        ASSERT_TRUE(QFile::resize(path, c.size));
        EXPECT_EQ(LoadCardPictures(path).IsEmpty(), !c.loads) << c.size << " bytes";
    }
}

// ================================================================ finding the file

struct SearchCase {
    const char* name;
    std::vector<const char*> regularFileIn;  // folders holding a cartes.ccb file
    std::vector<const char*> directoryIn;    // folders holding a cartes.ccb folder
    const char* expected;                    // folder whose file is found, or "" for none
};

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }

class FindsFirstRegularFile : public ::testing::TestWithParam<SearchCase> {};

TEST_P(FindsFirstRegularFile, InFolderOrder) {
    const SearchCase c = GetParam();
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const QStringList order{"current", "program", "data", "relocated"};
    QStringList folders;
    for (const QString& folder : order) {
        folders << root.filePath(folder);
        ASSERT_TRUE(QDir(root.path()).mkdir(folder));
    }
    // A folder that does not exist and an empty entry come first and are passed over.
    folders.prepend(QString());
    folders.prepend(root.filePath("missing"));
    for (const char* folder : c.regularFileIn)
        ASSERT_TRUE(WriteFile(root.filePath(QString(folder) + "/cartes.ccb"), "x"));
    for (const char* folder : c.directoryIn) ASSERT_TRUE(QDir(root.filePath(folder)).mkdir("cartes.ccb"));

    const QString found = FindCardPictureFile("cartes.ccb", folders);
    if (*c.expected == '\0') {
        EXPECT_EQ(found, QString());
    } else {
        EXPECT_EQ(found, QFileInfo(root.filePath(QString(c.expected) + "/cartes.ccb")).absoluteFilePath());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Folders, FindsFirstRegularFile,
    ::testing::Values(SearchCase{"Everywhere", {"current", "program", "data", "relocated"}, {}, "current"},
                      SearchCase{"ProgramBeforeData", {"program", "data", "relocated"}, {}, "program"},
                      SearchCase{"DataBeforeRelocated", {"data", "relocated"}, {}, "data"},
                      SearchCase{"OnlyRelocated", {"relocated"}, {}, "relocated"},
                      SearchCase{"DirectoriesPassedOver", {"data"}, {"current", "program"}, "data"},
                      SearchCase{"OnlyDirectories", {}, {"current", "program", "data", "relocated"}, ""},
                      SearchCase{"Nowhere", {}, {}, ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The search the game itself makes: the current folder, then the program's.
class DefaultSearch : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder_.isValid());
        previous_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(folder_.path()));
    }
    void TearDown() override { QDir::setCurrent(previous_); }

    QTemporaryDir folder_;
    QString previous_;
};

TEST_F(DefaultSearch, CurrentFolderComesFirst) {
    ASSERT_TRUE(WriteFile(folder_.filePath("cartes.ccb"), "x"));
    EXPECT_EQ(FindCardPictureFile("cartes.ccb"), QFileInfo(folder_.filePath("cartes.ccb")).absoluteFilePath());
}

TEST_F(DefaultSearch, ThenTheProgramsFolder) {
    // The tests are built beside the painted cartes.ccb, like the game.
    const QFileInfo built(PaintedFilePath());
    if (built.absolutePath() != QCoreApplication::applicationDirPath())
        GTEST_SKIP() << "this test program is not in the folder of " << PaintedFilePath().toStdString();
    EXPECT_EQ(FindCardPictureFile("cartes.ccb"), built.absoluteFilePath());
    ASSERT_TRUE(QDir(folder_.path()).mkdir("cartes.ccb"));  // a folder in the way is passed over
    EXPECT_EQ(FindCardPictureFile("cartes.ccb"), built.absoluteFilePath());
}

}  // namespace

int main(int argc, char** argv) {
    // Image plug-ins and the program's folder need an application object.
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
