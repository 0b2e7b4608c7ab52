// Card pictures on screen: the resampler against sums worked by hand, and
// each frame scaled once per size.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <vector>

#include "ui/card_view.h"

namespace velmora::ui {

using pictures::FindCardPictureFile;
using pictures::LoadCardPictures;
namespace {

// A one-row grey image: each value is red, green and blue; 0 alpha for -1.
QImage Row(const std::vector<int>& values) {
    QImage image(int(values.size()), 1, QImage::Format_ARGB32);
    for (int x = 0; x < image.width(); ++x)
        image.setPixel(x, 0, values[x] < 0 ? qRgba(0, 0, 0, 0) : qRgb(values[x], values[x], values[x]));
    return image;
}

std::vector<int> Greys(const QImage& image) {
    std::vector<int> out;
    for (int x = 0; x < image.width(); ++x) out.push_back(qRed(image.pixel(x, 0)));
    return out;
}

TEST(ScaledSmoothly, AveragesWhenShrinkingAndBlendsWhenGrowing) {
    struct Case { std::vector<int> from; int width; std::vector<int> to; };
    const Case cases[] = {
        {{10, 20, 30}, 3, {10, 20, 30}},              // the same size: the same pixels
        {{0, 100, 200, 40}, 2, {50, 120}},            // halved: pairs averaged
        {{0, 90, 180}, 2, {30, 150}},                 // 3 to 2: two thirds and one third
        {{0, 200}, 4, {0, 50, 150, 200}},             // doubled: centres blended, edges held
        {{-1, 255}, 1, {128}},                        // premultiplied: half of the red shows
    };
    for (const Case& c : cases)
        EXPECT_EQ(Greys(ScaledSmoothly(Row(c.from), QSize(c.width, 1))), c.to) << c.from.size() << " to " << c.width;
    // Down as well as across, from a format read pixel by pixel.
    QImage block = Row({0, 40, 80, 120}).copy(0, 0, 2, 2).convertToFormat(QImage::Format_RGB32);
    block.setPixel(0, 1, qRgb(80, 80, 80));
    block.setPixel(1, 1, qRgb(120, 120, 120));
    EXPECT_EQ(qRed(ScaledSmoothly(block, {1, 1}).pixel(0, 0)), 60);
    EXPECT_TRUE(ScaledSmoothly(QImage(), {2, 2}).isNull());
    EXPECT_TRUE(ScaledSmoothly(Row({1, 2}), {-1, 1}).isNull());
}

TEST(CardFrames, ScalesEachFrameOncePerSize) {
    CardFrames frames(LoadCardPictures(FindCardPictureFile(QStringLiteral("cartes.ccb"))));
    ASSERT_FALSE(frames.IsEmpty());
    const QImage back = frames.Scaled(kCardBack, {72, 97}, 1);
    EXPECT_EQ(frames.Scaled(kCardBack, {72, 97}, 1), back);
    EXPECT_EQ(frames.Scalings(), 1);
    EXPECT_NE(frames.Scaled(kCardBack, {144, 194}, 2), back);
    EXPECT_NE(frames.Scaled(1, {72, 97}, 1), back);
    EXPECT_EQ(frames.Scalings(), 3);
}

// Counts a widget's paints.
struct Paints : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override { return (count += event->type() == QEvent::Paint) < 0; }
};

TEST(CardView, RepaintsWhenItsPictureChanges) {
    CardView view(nullptr);
    view.resize(72, 97);
    Paints paints;
    view.installEventFilter(&paints);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto paintsAfter = [&](const auto& change) {
        QTest::qWait(20);
        const int before = paints.count;
        change();
        QTest::qWait(20);
        return paints.count - before;
    };
    auto frames = std::make_shared<CardFrames>(LoadCardPictures(FindCardPictureFile(QStringLiteral("cartes.ccb"))));
    EXPECT_GT(paintsAfter([&] { view.SetPictures(frames); }), 0);
    EXPECT_GT(paintsAfter([&] { view.SetFrame(kCardBack); }), 0);
}

}  // namespace
}  // namespace velmora::ui
