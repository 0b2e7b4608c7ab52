// The table window as the player sees it when it opens.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QImage>
#include <QTest>

#include "ui/table_window.h"
#include "pixel_checks.h"

namespace velmora::ui {
namespace {

using testing::Child;

// The window as it opens, on the screen.
class OpenWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
    TableWindow window;
};

TEST_F(OpenWindow, OnlyDealAboutAndExitShowAndDealHasTheFocus) {
    EXPECT_EQ(window.minimumSize(), window.maximumSize());  // not resizable
    for (const char* name : {"Deal1", "About", "Sortie"}) EXPECT_TRUE(Child(window, name)->isVisible()) << name;
    for (const char* name : {"Deal2", "Cancel", "Take", "DoubleB", "Big", "Small", "Hold1", "Hold2", "Hold3", "Hold4", "Hold5"})
        EXPECT_FALSE(Child(window, name)->isVisible()) << name;
    EXPECT_EQ(window.focusWidget(), Child(window, "Deal1"));
}

TEST_F(OpenWindow, TabGoesThroughTheButtonsInTheirOrder) {
    std::vector<QString> order;
    QWidget* widget = Child(window, "Deal1");
    for (int i = 0; i < 9; ++i) {
        order.push_back(widget->objectName());
        do widget = widget->nextInFocusChain();
        while (!qobject_cast<QAbstractButton*>(widget));
    }
    EXPECT_EQ(order, (std::vector<QString>{"Deal1", "About", "Sortie", "Small", "Big", "Take", "Deal2", "Cancel", "DoubleB"}));
    EXPECT_EQ(Child(window, "Label1")->focusPolicy(), Qt::NoFocus);
}

TEST_F(OpenWindow, PixelsShowTheDesignState) {
    const QImage shot = window.grab().toImage().convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(shot.size(), QSize(534, 335));

    EXPECT_GT(testing::ShareOfPixels(shot, QRect(0, 0, 400, 28), Qt::black, 0), 0.99);             // black table
    EXPECT_GT(testing::ShareOfPixels(shot, QRect(416, 250, 5, 80), QColor(0xC0, 0xC0, 0xC0), 0), 0.99);  // right panel
    for (const char* line : {"Royal", "Flush", "Jack"}) {
        const QRect area = Child(window, line)->geometry();
        EXPECT_GT(testing::ShareOfPixels(shot, area, QColor(0x40, 0x40, 0x40), 4), 0.5) << line;   // grey line
        EXPECT_GT(testing::ShareOfPixels(shot, area, QColor(0xFF, 0x80, 0x00), 40), 0.03) << line; // orange text
    }
    EXPECT_GT(testing::ShareOfPixels(shot, Child(window, "Score")->geometry(), QColor(0x00, 0xC0, 0x00), 40), 0.1);
    EXPECT_GT(testing::ShareOfPixels(shot, Child(window, "Panel")->geometry(), QColor(0xFF, 0x80, 0x00), 40), 0.05);

    for (const char* name : {"Deal1", "About", "Sortie"}) testing::ExpectEvenFrame(shot, *Child(window, name), 1);
    for (const char* name : {"Royal", "Straight", "Jack", "Panel", "Score"})
        testing::ExpectWholeLetters(shot, *Child(window, name), 1);
    for (const char* name : {"Panel", "Score"}) testing::ExpectCentred(shot, *Child(window, name), 1);

    // A card back in every slot: the same picture five times, and not a blank.
    const QImage first = shot.copy(Child(window, "Picture1")->geometry());
    EXPECT_LT(testing::ShareOfPixels(first, first.rect(), Qt::black, 8), 0.2);
    for (const char* slot : {"Picture2", "Picture3", "Picture4", "Picture5"})
        EXPECT_EQ(shot.copy(Child(window, slot)->geometry()), first) << slot;
}

TEST_F(OpenWindow, AboutIsModalAndLeavesTheTableAsItWas) {
    // The table and the credits; the buttons are left out, since the click
    // on About gives it the keyboard focus as any click on a button does.
    const QRect table(0, 0, 534, 70);
    const QRect cards(0, 70, 416, 265);
    const QImage before = window.grab().toImage();

    QTest::mouseClick(Child(window, "About"), Qt::LeftButton);
    QWidget* about = QApplication::activeModalWidget();
    ASSERT_NE(about, nullptr);
    EXPECT_EQ(about->objectName(), "frmAbout");
    EXPECT_EQ(about->size(), QSize(301, 289));
    EXPECT_TRUE(window.Model().State().AboutOpen);

    QTest::mouseClick(Child(window, "Deal1"), Qt::LeftButton);  // blocked while About is open
    EXPECT_EQ(window.Model().State().Score.Caption, "00010");

    QTest::mouseClick(about->findChild<QWidget*>("cmdOk"), Qt::LeftButton);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_FALSE(window.Model().State().AboutOpen);
    const QImage after = window.grab().toImage();
    EXPECT_EQ(after.copy(table), before.copy(table));
    EXPECT_EQ(after.copy(cards), before.copy(cards));
}

}  // namespace
}  // namespace velmora::ui
