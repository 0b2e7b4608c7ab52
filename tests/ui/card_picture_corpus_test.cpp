// The card picture loader over the fuzzer's seed corpus and over every input
// the fuzzer ever found a fault with (fuzz/corpus/, fuzz/regressions/). Each
// file's name says what it must give: good-* a full set of card pictures,
// bad-* nothing; any other name (a fault's reproducer kept as the fuzzer
// named it) only has to decode without harm. Nothing may reach the console
// while any of them decodes, and the whole set must be read without setting
// aside much memory.

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QString>

#include <sys/resource.h>

#include <cctype>
#include <ostream>
#include <string>
#include <vector>

#include "pictures/card_picture_file.h"

using velmora::pictures::CardPictures;
using velmora::pictures::DecodeCardPictures;

namespace {

enum class Expect { kPictures, kNothing, kNoHarm };

struct CorpusFile { QString path; std::string name; Expect expect; };

void PrintTo(const CorpusFile& file, std::ostream* out) { *out << file.name; }

std::vector<CorpusFile> CorpusFiles() {
    std::vector<CorpusFile> files;
    for (const char* folder : {VELMORA_FUZZ_CORPUS_DIR, VELMORA_FUZZ_REGRESSIONS_DIR}) {
        const QDir dir(QString::fromUtf8(folder));
        for (const QFileInfo& info : dir.entryInfoList(QDir::Files, QDir::Name)) {
            const QString name = info.fileName();
            if (name == QStringLiteral("README") || name.endsWith(QStringLiteral(".md"))) continue;
            const Expect expect = name.startsWith(QStringLiteral("good-"))  ? Expect::kPictures
                                  : name.startsWith(QStringLiteral("bad-")) ? Expect::kNothing
                                                                            : Expect::kNoHarm;
            files.push_back({info.absoluteFilePath(), (dir.dirName() + '/' + name).toStdString(), expect});
        }
    }
    return files;
}

QByteArray ReadFile(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return file.readAll();
}

// Everything the game asks of a decoded set, checked as the game would use it;
// and for a good-* seed, which has a picture of its own in every cell, that
// no frame was cut from the wrong place (it would match another).
void CheckPictures(const CardPictures& pictures, const std::string& name, bool ownPictures) {
    const QSize cell = pictures.CellSize();
    ASSERT_TRUE(cell.width() >= 8 && cell.width() <= 512 && cell.height() >= 8 && cell.height() <= 512)
        << name << ": " << cell.width() << " x " << cell.height();
    std::vector<QImage> frames;
    for (int frame = 1; frame <= CardPictures::kFrames; ++frame) {
        frames.push_back(pictures.Frame(frame));
        ASSERT_EQ(frames.back().size(), cell) << name << ", frame " << frame;
    }
    for (const int outside : {-1, 0, CardPictures::kFrames + 1}) EXPECT_TRUE(pictures.Frame(outside).isNull());
    for (size_t a = 0; ownPictures && a < frames.size(); ++a)
        for (size_t b = a + 1; b < frames.size(); ++b)
            EXPECT_NE(frames[a], frames[b]) << name << ": frames " << a + 1 << " and " << b + 1 << " look alike";
}

void CheckNothing(const CardPictures& pictures, const std::string& name) {
    EXPECT_TRUE(pictures.IsEmpty()) << name;
    EXPECT_FALSE(pictures.CellSize().isValid()) << name;
}

class DecodesCorpusFile : public ::testing::TestWithParam<CorpusFile> {};

TEST_P(DecodesCorpusFile, AsItsNameSays) {
    const CorpusFile& file = GetParam();
    // A copy of exactly the file's size, so that AddressSanitizer sees any read past its end.
    const QByteArray contents = ReadFile(file.path);
    const std::vector<char> exact(contents.begin(), contents.end());
    ::testing::internal::CaptureStderr();
    const CardPictures pictures = DecodeCardPictures(QByteArray::fromRawData(exact.data(), qsizetype(exact.size())));
    EXPECT_EQ(::testing::internal::GetCapturedStderr(), "") << file.name;
    switch (file.expect) {
        case Expect::kPictures:
            ASSERT_FALSE(pictures.IsEmpty()) << file.name;
            CheckPictures(pictures, file.name, true);
            break;
        case Expect::kNothing:
            CheckNothing(pictures, file.name);
            break;
        case Expect::kNoHarm:
            if (pictures.IsEmpty())
                CheckNothing(pictures, file.name);
            else
                CheckPictures(pictures, file.name, false);
            break;
    }
}

std::string TestName(const ::testing::TestParamInfo<CorpusFile>& info) {
    std::string name;
    for (const char ch : info.param.name) name += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    return name;
}

INSTANTIATE_TEST_SUITE_P(Seeds, DecodesCorpusFile, ::testing::ValuesIn(CorpusFiles()), TestName);

long PeakResidentKiB() {
    rusage usage{};
    EXPECT_EQ(::getrusage(RUSAGE_SELF, &usage), 0);
    return usage.ru_maxrss;  // KiB on Linux
}

TEST(CardPictureCorpus, WholeSetIsReadInLittleMemory) {
#ifdef __SANITIZE_ADDRESS__
    GTEST_SKIP() << "AddressSanitizer holds freed memory back, so the peak counts every sheet decoded";
#endif
    // Read every file first, so that only decoding counts.
    std::vector<QByteArray> contents;
    for (const CorpusFile& file : CorpusFiles()) contents.push_back(ReadFile(file.path));
    ASSERT_FALSE(contents.empty());

    const long before = PeakResidentKiB();
    int decoded = 0;
    for (const QByteArray& bytes : contents) {
        const CardPictures pictures = DecodeCardPictures(bytes);
        if (pictures.IsEmpty()) continue;
        ++decoded;
        for (int frame = 1; frame <= CardPictures::kFrames; ++frame) (void)pictures.Frame(frame).constBits();
    }
    const long grownKiB = PeakResidentKiB() - before;
    EXPECT_GE(decoded, 1);
    // The largest sheet takes 65 MiB of itself; decoding, little more.
    EXPECT_LT(grownKiB, 72 * 1024) << "peak resident memory grew by " << grownKiB / 1024 << " MiB";
}

}  // namespace
