// Card pictures on screen: the resampler against sums worked by hand, and
// each frame scaled once per size.
#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <vector>

#include "ui/card_view.h"

namespace velmora::ui {
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
    struct Case {
        std::vector<int> from;
        int width;
        std::vector<int> to;
    } const cases[] = {
        {{10, 20, 30}, 3, {10, 20, 30}},              // the same size: the same pixels
        {{0, 100, 200, 40}, 2, {50, 120}},            // halved: pairs averaged
        {{0, 90, 180}, 2, {30, 150}},                 // 3 to 2: two thirds and one third
        {{0, 200}, 4, {0, 50, 150, 200}},             // doubled: centres blended, edges held
        {{0, 30, 60, 90, 120, 150}, 1, {75}},         // all into one
        {{-1, 255}, 1, {128}},                        // premultiplied: half of the red shows
    };
    for (const Case& c : cases) {
        const QImage scaled = ScaledSmoothly(Row(c.from), QSize(c.width, 1));
        ASSERT_EQ(scaled.format(), QImage::Format_ARGB32_Premultiplied);
        EXPECT_EQ(Greys(scaled), c.to) << c.from.size() << " to " << c.width;
    }
    // Rows as columns: a 1 x 4 column halved, and a 2 x 2 block made one.
    EXPECT_EQ(Greys(ScaledSmoothly(Row({0, 100, 200, 40}).transformed(QTransform(0, 1, 1, 0, 0, 0)), {1, 2})
                        .transformed(QTransform(0, 1, 1, 0, 0, 0))),
              (std::vector<int>{50, 120}));
    QImage block = Row({0, 40, 80, 120}).copy(0, 0, 2, 2);
    block.setPixel(0, 1, qRgb(80, 80, 80));
    block.setPixel(1, 1, qRgb(120, 120, 120));
    EXPECT_EQ(qRed(ScaledSmoothly(block.convertToFormat(QImage::Format_RGB32), {1, 1}).pixel(0, 0)), 60);
    EXPECT_EQ(qAlpha(ScaledSmoothly(Row({-1, 255}), {1, 1}).pixel(0, 0)), 128);
    EXPECT_TRUE(ScaledSmoothly(QImage(), {2, 2}).isNull());
    EXPECT_TRUE(ScaledSmoothly(Row({1, 2}), {0, 1}).isNull());
    EXPECT_TRUE(ScaledSmoothly(Row({1, 2}), {-1, 1}).isNull());
}

TEST(CardFrames, ScalesEachFrameOncePerSize) {
    CardFrames frames(LoadCardPictures(FindCardPictureFile(QStringLiteral("cartes.ccb"))));
    ASSERT_FALSE(frames.IsEmpty());
    const QImage back = frames.Scaled(kCardBack, {72, 97}, 1);
    ASSERT_EQ(back.size(), QSize(72, 97));
    EXPECT_EQ(frames.Scaled(kCardBack, {72, 97}, 1), back);
    EXPECT_EQ(frames.Scalings(), 1);
    EXPECT_EQ(frames.Scaled(kCardBack, {144, 194}, 2).devicePixelRatio(), 2);
    EXPECT_NE(frames.Scaled(1, {72, 97}, 1), back);
    EXPECT_EQ(frames.Scalings(), 3);
    EXPECT_TRUE(frames.Scaled(kCardBack + 1, {72, 97}, 1).isNull());
    EXPECT_TRUE(CardFrames(CardPictures()).Scaled(1, {72, 97}, 1).isNull());
}

// Counts a widget's paints.
struct Paints : QObject {
    int count = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        count += event->type() == QEvent::Paint;
        return false;
    }
};

TEST(CardView, RepaintsWhenItsPictureChanges) {
    CardView view(nullptr);
    view.resize(72, 97);
    Paints paints;
    view.installEventFilter(&paints);
    view.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&view));
    const auto after = [&](const auto& change) {
        QTest::qWait(20);
        const int before = paints.count;
        change();
        QTest::qWait(20);
        return paints.count - before;
    };
    auto frames = std::make_shared<CardFrames>(LoadCardPictures(FindCardPictureFile(QStringLiteral("cartes.ccb"))));
    EXPECT_GT(after([&] { view.SetPictures(frames); }), 0);
    EXPECT_GT(after([&] { view.SetFrame(kCardBack); }), 0);
    EXPECT_EQ(after([&] { view.SetFrame(kCardBack); }), 0);
    EXPECT_EQ(view.grab().toImage().pixel(36, 48), frames->Scaled(kCardBack, {72, 97}, 1).pixel(36, 48));
}

}  // namespace
}  // namespace velmora::ui
