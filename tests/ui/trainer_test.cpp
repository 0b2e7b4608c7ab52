// The trainer in the window on a virtual clock: the advisor panel follows
// the HOLD markers and leaves the table as it was, the mistake warning
// stops a costly draw, the statistics follow the table; and what screen
// readers hear of it all.
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAbstractButton>
#include <QContextMenuEvent>
#include <QMenu>
#include <QApplication>
#include <QTest>
#include <algorithm>
#include <functional>

#include <private/qguiapplication_p.h>
#include <qpa/qplatformaccessibility.h>
#include <qpa/qplatformintegration.h>

#include "strategy/hold_values.h"
#include "ui/credit_chart.h"
#include "ui/geometry.h"
#include "ui/table_window.h"

namespace velmora::ui {
namespace {

// Every name a screen reader can reach from `widget` down.
QStringList Reachable(QWidget* widget, QAccessibleInterface* node = nullptr) {
    if (!node) node = QAccessible::queryAccessibleInterface(widget);
    QStringList names{node->text(QAccessible::Name)};
    for (int i = 0; i < node->childCount(); ++i) {
        EXPECT_EQ(node->indexOfChild(node->child(i)), i);
        names += Reachable(nullptr, node->child(i));
    }
    return names;
}

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
    // Keys go to the active window, as they would from the keyboard.
    void Key(Qt::Key key) {
        QWidget* window = QApplication::activeModalWidget() ? QApplication::activeModalWidget()
                          : QApplication::activeWindow() ? QApplication::activeWindow() : &window_;
        QTest::keyClick(window->focusWidget() ? window->focusWidget() : window, key);
        QApplication::processEvents();
    }
    QString Spoken(const char* name) {
        QWidget* widget = window_.findChild<QWidget*>(name);
        return widget ? QAccessible::queryAccessibleInterface(widget)->text(QAccessible::Name) : QString();
    }
    QWidget* Warning() { return window_.findChild<QWidget*>("MistakeWarning"); }
    static QString kJacks() { return QLocale().createSeparatedList({"Jack of Clubs", "Jack of Diamonds"}); }
    void Force(std::initializer_list<int> codes) {
        for (const int code : codes) random_.Queue((code - 0.5f) / 52);
    }

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
    EXPECT_TRUE(Spoken("AdvisorMessage").contains(QStringLiteral("the best hold, %1, was").arg(kJacks())));

    Key(Qt::Key_F2);
    EXPECT_EQ(window_.size(), kTableClientSize);
}

// The menu opens from the mouse and from the keyboard, with its three items.
TEST_F(Trainer, TheMenuKeyShiftF10AndARightClickOpenTheMenu) {
    const std::vector<std::function<void()>> ways = {
        [this] { Key(Qt::Key_Menu); },
        [this] { QTest::keyClick(window_.focusWidget(), Qt::Key_F10, Qt::ShiftModifier); },
        [this] {
            QWidget* card = window_.findChild<QWidget*>("Label2");
            QContextMenuEvent click(QContextMenuEvent::Mouse, {5, 5}, card->mapToGlobal(QPoint(5, 5)));
            QApplication::sendEvent(card, &click);
        },
    };
    for (std::size_t way = 0; way < ways.size(); ++way) {
        ways[way]();
        auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
        ASSERT_TRUE(menu) << way;
        QStringList items;
        for (const QAction* action : menu->actions()) items << action->objectName();
        EXPECT_EQ(items, QStringList({"AdvisorAction", "WarningAction", "StatisticsAction"})) << way;
        menu->close();
    }
}

TEST_F(Trainer, TheWarningStopsACostlyDrawUntilThePlayerDrawsAnyway) {
    Key(Qt::Key_F3);
    Key(Qt::Key_D);
    Advance(1250);
    Key(Qt::Key_1);           // let a Jack go
    Key(Qt::Key_Return);      // Deal has the focus: asks
    ASSERT_TRUE(Warning());
    EXPECT_TRUE(Reachable(Warning()).join(' ').contains(QStringLiteral("The best hold: %1, worth").arg(kJacks())));
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

// Each card, hold marker and figure is read once, and a press of a card's
// key tells screen readers of the two things it changed.
TEST_F(Trainer, ScreenReadersHearEachThingOnceAndOnlyWhatChanged) {
    Key(Qt::Key_D);
    Advance(1250);
    Key(Qt::Key_F2);
    ASSERT_TRUE(QTest::qWaitFor([this] { return Spoken("YourHold").contains("best hold"); }, 30000));
    const QStringList table = Reachable(&window_);
    EXPECT_EQ(table.filter(QRegularExpression("^Card \\d: ")).size(), 5);
    EXPECT_TRUE(table.contains("Card 1: Jack of Clubs, held") && table.contains("Card 4 is held"));
    EXPECT_FALSE(table.contains(QString()));

    static QStringList changed;
    changed.clear();
    QPlatformAccessibility* platform = QGuiApplicationPrivate::platformIntegration()->accessibility();
    platform->setActive(true);
    const auto previous = QAccessible::installUpdateHandler([](QAccessibleEvent* event) {
        if (event->type() == QAccessible::NameChanged) changed << event->object()->objectName();
    });
    Key(Qt::Key_3);
    QAccessible::installUpdateHandler(previous);
    platform->setActive(false);
    EXPECT_EQ(changed, QStringList({"Label3", "YourHold"}));

    Key(Qt::Key_F4);
    const QStringList figures = Reachable(window_.findChild<QWidget*>("Statistics"));
    for (const char* title : {"Hands played", "Credits now", "Royal Flush", "Right guesses", "Draw decisions"})
        EXPECT_EQ(figures.filter(title).size(), 1) << title;
}

// The statistics window shows the table as it stands while it is open, and
// the table's keys work from it.
TEST_F(Trainer, TheStatisticsFollowTheTableAndLeaveItsKeysToIt) {
    Key(Qt::Key_F4);
    QWidget* statistics = window_.findChild<QWidget*>("Statistics");
    ASSERT_TRUE(statistics && QTest::qWaitForWindowActive(statistics));
    const auto figure = [statistics](const char* title) {
        return Reachable(statistics).filter(QRegularExpression(QStringLiteral("^%1:").arg(title))).value(0);
    };
    EXPECT_EQ(figure("Return"), "Return: none yet");
    Key(Qt::Key_D);
    EXPECT_EQ(figure("Credits now"), "Credits now: 9");
    Advance(1250);
    Key(Qt::Key_1);  // keep the Jack of Diamonds alone, and draw a pair of Jacks
    Force({37, 16, 33, 47});
    Key(Qt::Key_D);
    Advance(1500);
    EXPECT_EQ(figure("Credits now"), "Credits now: 9");  // a win of 1 waits
    Force({2, 13});
    random_.Queue(0.995f);
    for (const Qt::Key key : {Qt::Key_U, Qt::Key_B, Qt::Key_T}) Key(key);  // doubled once, and taken
    Force({12, 25, 28, 44, 9});
    Key(Qt::Key_D);
    Advance(1250);
    Force({3, 19, 36});
    Key(Qt::Key_D);  // the Queens the game holds, the best hold
    Advance(1500);
    Key(Qt::Key_T);
    Key(Qt::Key_F2);
    EXPECT_GT(window_.width(), kTableClientSize.width());
    ASSERT_TRUE(QTest::qWaitFor([&] { return figure("Holds worth less than the best") != "Holds worth less than the best: working out\u2026"; }, 30000));

    const QStringList expected = {
        "Hands played: 2", "Credits bet: 2", "Credits taken: 3", "Return: 150.00%", "Credits now: 11",
        "Jacks or Better: made 2 times, 100.00% of the hands drawn; perfect play makes it 21.5352% of the hands.",
        "Right guesses: 1", "Wrong guesses: 0", "Points risked: 1", "Points brought home: 2", "Draw decisions: 2",
        "Holds worth less than the best: 1", "Expected credits given up: 1.1427",
        "The game's suggestions would have given up: 0.0000"};
    const QStringList heard = Reachable(statistics);
    for (const QString& line : expected) EXPECT_TRUE(heard.contains(line)) << line.toStdString();
    EXPECT_TRUE(statistics->findChild<QWidget*>("CreditChart")->accessibleDescription().contains("from 10 to 11"));
}

// The credits after each hand as a line from the left of the chart to its
// right, rising as the credits rise; and in words.
TEST(CreditChart, DrawsEveryHandTheRightWayUp) {
    CreditChart chart(nullptr);
    chart.resize(400, 200);
    chart.SetCredits({10, 12});
    EXPECT_TRUE(chart.accessibleDescription().startsWith("Over 1 hand"));
    EXPECT_TRUE(chart.accessibleDescription().endsWith("from 10 to 12; the lowest was 10, the highest 12."));
    const QImage image = chart.grab().toImage();
    int first = -1, last = -1, firstY = 0, lastY = 0;
    for (int x = 0; x < image.width(); ++x)
        for (int y = 0; y < image.height(); ++y)
            if (image.pixelColor(x, y) == QColor(0x00, 0x90, 0x30)) {
                if (first < 0) first = x, firstY = y;
                last = x, lastY = y;
            }
    EXPECT_GE(last, image.width() - 14);
    EXPECT_LT(lastY, firstY);
}

}  // namespace
}  // namespace velmora::ui
