// The trainer in the window on a virtual clock: the advisor panel follows
// the HOLD markers and leaves the table as it was, and the mistake warning
// stops a costly draw.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <algorithm>

#include "strategy/hold_values.h"
#include "ui/geometry.h"
#include "ui/table_window.h"

namespace velmora::ui {
namespace {

class Trainer : public ::testing::Test {
protected:
    Trainer() : window_(random_, [this] { return now_; }) {
        // Jack of Clubs, Five of Clubs, Nine of Spades, Jack of Diamonds, Two
        // of Spades: the game holds the Jacks, the best hold.
        for (const int code : kDeal) random_.Queue((code - 0.5f) / 52);
        window_.show();
        window_.activateWindow();
        QApplication::processEvents();
    }
    void Advance(Millis ms) {
        now_ += ms;
        window_.RunDueTicks();
    }
    void Key(Qt::Key key) {
        QWidget* window = QApplication::activeModalWidget() ? QApplication::activeModalWidget() : &window_;
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
        QApplication::processEvents();
    }
    QString Spoken(const char* name) {
        QWidget* widget = window_.findChild<QWidget*>(name);
        return widget ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QString();
    }
    QWidget* Warning() { return window_.findChild<QWidget*>("MistakeWarning"); }

    static constexpr strategy::Deal kDeal{11, 5, 48, 24, 41};
    ClockSeededGenerator fallback_{9};
    ScriptedRandom random_{fallback_};
    Millis now_ = 0;
    TableWindow window_;
};

TEST_F(Trainer, ThePanelFollowsTheHoldsAndLeavesTheTableAsItWas) {
    Key(Qt::Key_D);
    Advance(1250);
    const QImage tableAlone = window_.grab().toImage();
    Key(Qt::Key_F2);
    EXPECT_EQ(window_.width(), kTableClientSize.width() + 320);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Spoken("YourHold").contains("best hold"); }, 30000));
    EXPECT_EQ(window_.grab(QRect(QPoint(), kTableClientSize)).toImage(), tableAlone);

    Key(Qt::Key_1);  // the Jack of Diamonds alone
    const auto values = strategy::HoldValues(kDeal, strategy::GamePays());
    const double cost = *std::max_element(values.begin(), values.end()) - values[0b01000];
    EXPECT_TRUE(Spoken("YourHold").contains(QStringLiteral("%1 less than the best").arg(cost, 0, 'f', 4)))
        << Spoken("YourHold").toStdString();
    EXPECT_TRUE(Spoken("SuggestedHold").contains("the best hold"));
    Key(Qt::Key_D);  // the warning is off: it draws, and the panel tells what that gave up
    EXPECT_TRUE(Spoken("AdvisorMessage").startsWith(QStringLiteral("You gave up %1 credits").arg(cost, 0, 'f', 4)))
        << Spoken("AdvisorMessage").toStdString();

    Key(Qt::Key_F2);
    EXPECT_EQ(window_.size(), kTableClientSize);
}

TEST_F(Trainer, TheWarningStopsACostlyDrawUntilThePlayerDrawsAnyway) {
    Key(Qt::Key_F3);
    Key(Qt::Key_D);
    Advance(1250);
    Key(Qt::Key_1);           // let a Jack go
    Key(Qt::Key_Return);      // Deal has the focus: asks
    ASSERT_TRUE(Warning());
    EXPECT_TRUE(window_.Model().Deal2.Enabled);
    Key(Qt::Key_Return);      // "Change my hold", the default
    EXPECT_FALSE(Warning() && Warning()->isVisible());
    EXPECT_TRUE(window_.Model().Deal2.Enabled);

    Key(Qt::Key_D);           // asks again
    ASSERT_TRUE(Warning() && Warning()->isVisible());
    QTest::mouseClick(Warning()->findChild<QAbstractButton*>("DrawAnyway"), Qt::LeftButton);
    EXPECT_FALSE(window_.Model().Deal2.Enabled);  // drawing
    Advance(1500);

    // The next hand, held the best way: it draws without a word.
    if (window_.Model().Take.Visible) Key(Qt::Key_T);
    Key(Qt::Key_D);
    Advance(1250);
    strategy::Deal deal{};
    for (int slot = 1; slot <= 5; ++slot) deal[slot - 1] = window_.Model().Card[slot];
    const int best = strategy::BestHold(strategy::HoldValues(deal, strategy::GamePays()));
    for (int slot = 1; slot <= 5; ++slot)
        if (window_.Model().Hold[slot].Visible != strategy::Keeps(best, slot)) Key(Qt::Key(Qt::Key_0 + slot));
    Key(Qt::Key_D);
    EXPECT_FALSE(Warning() && Warning()->isVisible());
    EXPECT_FALSE(window_.Model().Deal2.Enabled);
}

}  // namespace
}  // namespace velmora::ui
