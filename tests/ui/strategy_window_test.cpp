// The strategy window and the chart lines in the panel, on the virtual
// table: the panel names the line of each hold it lists; F5 opens the basic
// chart of this table's pays as the strategy core works it out, its keys
// switch to the exact and beginner charts, Escape closes it; the line a
// costly draw broke is counted there and named in the panel and the warning.
#include <QAbstractButton>
#include <QLocale>
#include <QMessageBox>
#include <QTreeWidget>

#include "session/broken_lines.h"
#include "ui/chart_text.h"
#include "ui/hold_text.h"
#include "ui/rule_text.h"
#include "ui/chart_source.h"
#include "virtual_table.h"

namespace velmora::ui {
namespace {

class StrategyOnTable : public VirtualTable {
protected:
    QTreeWidget* Lines() { return window_.findChild<QTreeWidget*>("ChartLines"); }
    void KeyIn(QWidget* widget, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(widget->focusWidget() ? widget->focusWidget() : widget, key, modifiers);
        QApplication::processEvents();
    }
};

TEST_F(StrategyOnTable, F5ShowsTheChartsAndTheLinesBrokenWhichThePanelNames) {
    Key(Qt::Key_F2);
    Key(Qt::Key_D);
    Advance(1250);
    const strategy::Deal deal = window_.findChild<Trainer*>()->Tracker().CurrentHand()->deal;
    // The panel asks for the chart, and names each listed hold's line and its kind.
    ASSERT_TRUE(QTest::qWaitFor([this] { return Spoken("RankedHold1").contains("Chart:"); }, 120000));
    const strategy::Charts& charts = *window_.findChild<ChartSource*>()->Known(strategy::GamePays());
    const strategy::Chart& basic = charts.basic;
    const session::HoldAdvice advice = session::Advise(deal, {});
    for (int i = 0; i < 5; ++i) {
        const int hold = advice.ranking[static_cast<std::size_t>(i)];
        const int line = strategy::LineOf(basic, deal, hold);
        const QString spoken = Spoken(QStringLiteral("RankedHold%1").arg(i + 1).toLatin1().constData());
        EXPECT_TRUE(spoken.endsWith(line ? QStringLiteral("Chart: %1, line %2.").arg(KindText(basic.lines[line - 1].kind)).arg(line)
                                         : QStringLiteral(", no chart line.")))
            << spoken.toStdString();
    }

    Key(Qt::Key_1);  // lets the Jack of Clubs go: one high card kept where the high pair was best
    Key(Qt::Key_D);
    const int pairLine = strategy::LineOf(basic, deal, 0b01001), jackLine = strategy::LineOf(basic, deal, 0b01000);
    ASSERT_LT(pairLine, jackLine);
    EXPECT_TRUE(Spoken("AdvisorMessage").endsWith(
        QStringLiteral("Line %1, high pair, ranks above line %2, 1 high card.").arg(pairLine).arg(jackLine)))
        << Spoken("AdvisorMessage").toStdString();

    Key(Qt::Key_F5);
    QWidget* strategy = Child("Strategy");
    ASSERT_TRUE(strategy && strategy->isVisible() && Lines()->isVisible());
    const auto shows = [&](const strategy::Chart& chart) {
        ASSERT_EQ(Lines()->topLevelItemCount(), static_cast<int>(chart.lines.size()));
        for (std::size_t i = 0; i < chart.lines.size(); ++i) {
            const QTreeWidgetItem* item = Lines()->topLevelItem(static_cast<int>(i));
            const strategy::ChartLine& line = chart.lines[i];
            EXPECT_EQ(item->text(0), QString::number(i + 1));
            EXPECT_EQ(item->text(1), KindText(line.kind));
            EXPECT_EQ(item->text(2).chopped(1).toDouble(), QString::number(100 * line.frequency, 'f', line.frequency < 0.001 ? 4 : 2).toDouble());
            EXPECT_EQ(item->text(3), CreditsText(line.value));
            EXPECT_EQ(item->text(4), QString(&chart == &basic && int(i) + 1 == pairLine ? "once" : "")) << i;
            ASSERT_EQ(item->childCount(), static_cast<int>(line.exceptions.size()));
            for (int e = 0; e < item->childCount(); ++e)
                EXPECT_EQ(item->child(e)->text(0).replace(u'\n', u' '), ui::ExceptionText(line.exceptions[e]));
        }
        EXPECT_TRUE(Child("ChartSummary")->property("text").toString().contains(
            QLocale().toString(100 * chart.expectedReturn, 'f', 2)));
    };
    shows(basic);
    ASSERT_TRUE(QTest::qWaitForWindowActive(strategy));
    // A mnemonic clicks its button a moment later, as a click shows.
    const auto choose = [&](Qt::Key key, strategy::ChartType type) {
        KeyIn(strategy, key, Qt::AltModifier);
        auto* button = strategy->findChild<QAbstractButton*>(QStringLiteral("Chart%1").arg(static_cast<int>(type)));
        EXPECT_TRUE(QTest::qWaitFor([&] { return button->isChecked(); }, 2000));
    };
    choose(Qt::Key_E, strategy::ChartType::Exact);
    shows(charts.exact);
    choose(Qt::Key_G, strategy::ChartType::Beginner);
    shows(charts.beginner);
    choose(Qt::Key_B, strategy::ChartType::Basic);
    shows(basic);
    KeyIn(strategy, Qt::Key_Escape);
    EXPECT_FALSE(strategy->isVisible());

    // With the warning on, a costly hold's warning names the rule it breaks.
    window_.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window_));
    Key(Qt::Key_F3);
    Advance(1500);
    if (window_.Model().State().Take.Visible) Key(Qt::Key_T);
    Force({12, 31, 35, 25, 29});  // Q♣ 5♥ 9♥ Q♦ 3♥
    Key(Qt::Key_D);
    Advance(1250);
    Key(Qt::Key_1);  // lets the Queen of Clubs go
    Key(Qt::Key_D);
    const auto* warning = qobject_cast<QMessageBox*>(Child("MistakeWarning"));
    ASSERT_TRUE(warning);
    const auto& hand = *window_.findChild<Trainer*>()->Tracker().CurrentHand();
    const QString rule = BrokenRuleText(basic, session::Advise(hand.deal, hand.previous), 0b01000);
    EXPECT_TRUE(rule.startsWith(QStringLiteral("Line %1, high pair").arg(pairLine)) && warning->informativeText().endsWith(rule))
        << warning->informativeText().toStdString();
}

}  // namespace
}  // namespace velmora::ui
