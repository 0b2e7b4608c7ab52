// One whole hand in the real window, in real time, with real mouse clicks
// and keys: the one test that does not run on the virtual clock.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QImage>
#include <QTest>

#include "ui/table_window.h"
#include "pixel_checks.h"

namespace velmora::ui {
namespace {

using testing::Child;

TEST(RealWindow, PlaysAHandWithMouseAndKeyboard) {
    ClockSeededGenerator fallback(5);
    ScriptedRandom random(fallback);
    // Deal: Jack, Five, Nine, Jack, Two (a pair of Jacks in slots 1 and 4);
    // draw, slots 2, 3 and 5: Three, Eight, Queen; the Jacks stay.
    for (const int code : {11, 5, 35, 24, 41, 16, 47, 25}) random.Queue((code - 0.5f) / 52);

    TableWindow window(random);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    const auto shot = [&] { return window.grab().toImage().convertToFormat(QImage::Format_RGB32); };
    const QImage backs = shot();
    const auto cardRect = [&](int slot) { return Child(window, QStringLiteral("Picture%1").arg(slot))->geometry(); };
    const auto faceUp = [&](const QImage& image, int slot) {
        return image.copy(cardRect(slot)) != backs.copy(cardRect(slot));
    };

    // Deal by mouse: the hourglass shows, and each sync of the window shows
    // the cards turned up so far, strictly in slot order.
    QTest::mouseClick(Child(window, "Deal1"), Qt::LeftButton);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    std::vector<int> upCounts;
    const auto watch = QObject::connect(&window, &TableWindow::synced, [&] {
        const QImage image = shot();
        int up = 0;
        while (up < 5 && faceUp(image, up + 1)) ++up;
        for (int slot = up + 1; slot <= 5; ++slot) EXPECT_FALSE(faceUp(image, slot)) << "slot " << slot << " early";
        if (upCounts.empty() || upCounts.back() != up) upCounts.push_back(up);
    });
    QElapsedTimer elapsed;
    elapsed.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Model().State().Deal2.Visible; }, 5000));
    EXPECT_GE(elapsed.elapsed(), 1200);
    QObject::disconnect(watch);
    EXPECT_EQ(upCounts, (std::vector<int>{1, 2, 3, 4, 5}));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);  // restored once, never stacked

    // The dealt pair lights its line in green, the game holds the Jacks, and
    // the focus is on Deal, ready to draw.
    QImage dealt = shot();
    EXPECT_GT(testing::ShareOfPixels(dealt, Child(window, "Jack")->geometry(), QColor(0, 0xC0, 0), 8), 0.5);
    EXPECT_GT(testing::ShareOfPixels(dealt, Child(window, "Two")->geometry(), QColor(0x40, 0x40, 0x40), 4), 0.5);
    EXPECT_TRUE(Child(window, "Hold1")->isVisible() && Child(window, "Hold4")->isVisible());
    EXPECT_EQ(QApplication::focusWidget(), Child(window, "Deal2"));

    // A click on the card itself, routed by the window system as a real one,
    // reaches its click area: hold the Nine...
    QWindow* screen = window.windowHandle();
    const QPoint nine = cardRect(3).center();
    QTest::mouseClick(screen, Qt::LeftButton, {}, nine);
    EXPECT_TRUE(Child(window, "Hold3")->isVisible());
    // ...a double click toggles twice and leaves it held...
    QTest::mouseDClick(screen, Qt::LeftButton, {}, nine);
    EXPECT_TRUE(window.Model().State().Hold[3].Visible);
    // ...and one more click lets it go again.
    QTest::mouseClick(screen, Qt::LeftButton, {}, nine);
    EXPECT_FALSE(window.Model().State().Hold[3].Visible);

    // Draw from the keyboard: Enter presses the focused Deal button.
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.Model().State().Take.Visible; }, 5000));
    EXPECT_EQ(Child(window, "Hold1")->isVisible(), false);

    // Take, again by mouse.
    QTest::mouseClick(Child(window, "Take"), Qt::LeftButton);
    EXPECT_EQ(QApplication::focusWidget(), Child(window, "Deal1"));
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

}  // namespace
}  // namespace velmora::ui
