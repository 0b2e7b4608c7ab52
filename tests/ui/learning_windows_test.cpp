// The hand analyzer and practice, opened from the table's keys and used
// from the keyboard: the analyzer's values against what velmora-replay
// prints for the same cards, its bad pays; practice's holds, checks and tally
// against the exact values of its deals.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

#include "strategy/hold_values.h"
#include "ui/hand_analyzer.h"
#include "ui/hold_text.h"
#include "ui/practice_window.h"
#include "virtual_table.h"

namespace velmora::ui {
namespace {

constexpr int kChartWait = 600000;  // the charts take seconds, more in a debug build

// What velmora-replay's `advice deck` says of a deal forced from start-up.
QJsonObject ReplayAdvice(const strategy::Deal& deal) {
    QString script = QStringLiteral("random");
    for (const int code : deal) script += QStringLiteral(" %1").arg((code - 0.5) / 52, 0, 'f', 6);
    script += QStringLiteral("\nclick Deal1\nadvance 1250\nadvice deck\n");
    QProcess replay;
    replay.start(QStringLiteral(VELMORA_REPLAY), {});
    replay.write(script.toUtf8());
    replay.closeWriteChannel();
    EXPECT_TRUE(replay.waitForFinished(60000));
    return QJsonDocument::fromJson(replay.readAllStandardOutput()).object();
}

class LearningWindows : public VirtualTable {
protected:
    template <typename T>
    T* Find(const char* window, const char* name) {
        return window_.findChild<QWidget*>(window)->findChild<T*>(name);
    }
};

TEST_F(LearningWindows, TheAnalyzerTakesCardsFromTheTableOrTheKeysAndValuesThemAsTheReplayDoes) {
    Key(Qt::Key_F6);
    auto* analyzer = window_.findChild<HandAnalyzer*>("HandAnalyzer");
    ASSERT_TRUE(analyzer && analyzer->isVisible());
    auto* take = Find<QPushButton>("HandAnalyzer", "TakeTableCards");
    EXPECT_FALSE(take->isEnabled());  // no cards up yet
    // From the keyboard: Left from the Ace of Clubs wraps to the King, Down
    // goes a suit further, Enter chooses as Space does; a sixth card is refused.
    analyzer->findChild<QToolButton*>("Card1")->setFocus();
    for (const Qt::Key key : {Qt::Key_Space, Qt::Key_Left, Qt::Key_Return, Qt::Key_Down, Qt::Key_Space, Qt::Key_Up,
                              Qt::Key_Up, Qt::Key_Left, Qt::Key_Space, Qt::Key_Right, Qt::Key_Right, Qt::Key_Space,
                              Qt::Key_Left, Qt::Key_Left, Qt::Key_Left, Qt::Key_Space, Qt::Key_Down, Qt::Key_Space})
        Key(key);
    EXPECT_EQ(analyzer->Chosen(), (std::vector<int>{1, 13, 26, 51, 40}));
    auto* holds = Find<QTableWidget>("HandAnalyzer", "AnalyzerHolds");
    auto* message = Find<QLabel>("HandAnalyzer", "AnalyzerMessage");
    EXPECT_TRUE(message->text().startsWith("Five cards are chosen already"));

    QTest::keyClick(&window_, Qt::Key_D);  // the table deals; the analyzer follows
    Advance(1250);
    ASSERT_TRUE(take->isEnabled());
    take->click();
    const strategy::Deal deal{11, 5, 48, 24, 41};
    EXPECT_EQ(analyzer->Chosen(), std::vector<int>(deal.begin(), deal.end()));
    QTRY_VERIFY_WITH_TIMEOUT(holds->rowCount() == 32 && !holds->item(0, 3)->text().contains("working"), kChartWait);
    const QJsonObject replay = ReplayAdvice(deal);
    const QJsonArray ev = replay["ev"].toArray();
    ASSERT_EQ(ev.size(), 32);
    for (int row = 0; row < 32; ++row) {
        const int hold = holds->item(row, 0)->data(Qt::UserRole).toInt();
        EXPECT_EQ(holds->item(row, 2)->text(), CreditsText(ev[hold].toDouble())) << row;
        EXPECT_EQ(holds->item(row, 1)->text(), KeptCards(deal, hold));
        if (row > 0) EXPECT_GE(ev[holds->item(row - 1, 0)->data(Qt::UserRole).toInt()].toDouble(), ev[hold].toDouble());
    }
    EXPECT_EQ(holds->item(0, 0)->data(Qt::UserRole).toInt(), replay["best"].toInt());
    EXPECT_TRUE(holds->item(0, 0)->text().contains("best"));
    EXPECT_TRUE(holds->item(0, 3)->text().startsWith("high pair, line "));  // the Jacks

    // Pays of the player's own: nine numbers, or a message and no values.
    auto* choice = Find<QComboBox>("HandAnalyzer", "PaysChoice");
    auto* own = Find<QLineEdit>("HandAnalyzer", "OwnPays");
    choice->setCurrentIndex(3);
    for (const char* bad : {"800,50,25", "800 50 25 9 6 4 3 2 0", "800 50 25 9 6 4 3 2 x", "800,50,25,9,6,4,3,2,1,1"}) {
        own->setText(bad);
        EXPECT_EQ(holds->rowCount(), 0) << bad;
        EXPECT_TRUE(message->text().startsWith("Your own pays must be nine whole numbers")) << bad;
    }
    own->setText("4000 250 125 45 30 20 15 10 5");  // 9/6 times five: the same holds, five times the values
    ASSERT_EQ(holds->rowCount(), 32);
    const auto nineSix = strategy::HoldValues(deal, strategy::NineSixPays());
    const int hold = holds->item(5, 0)->data(Qt::UserRole).toInt();
    EXPECT_EQ(holds->item(5, 2)->text(), CreditsText(5 * nineSix[hold]));
}

TEST_F(LearningWindows, PracticeHoldsWithTheDigitKeysChecksWithEnterAndKeepsTheTally) {
    Key(Qt::Key_F7);
    auto* practice = window_.findChild<PracticeWindow*>("Practice");
    ASSERT_TRUE(practice && practice->isVisible());
    QTRY_VERIFY_WITH_TIMEOUT(practice->Hand().has_value(), kChartWait);
    auto* verdict = Find<QLabel>("Practice", "PracticeVerdict");
    auto* details = Find<QLabel>("Practice", "PracticeDetails");
    for (int round = 0; round < 2; ++round) {
        const session::PracticeDeal deal = *practice->Hand();
        const auto values = strategy::HoldValues(deal.deal, strategy::GamePays());
        const int best = strategy::BestHold(values);
        // The first round holds slots 1 and 3; the second the best hold.
        const int hold = round == 0 ? 0b00101 : best;
        for (int slot = 1; slot <= 5; ++slot)
            if (strategy::Keeps(hold, slot)) Key(Qt::Key(Qt::Key_0 + slot));
        Key(Qt::Key_Return);
        const double cost = values[best] - values[hold];
        EXPECT_EQ(verdict->text(), cost > 1e-9 ? "Not the best hold: it gives up " + CreditsText(cost) + " credits per credit bet."
                                               : QString("The best hold.")) << round;
        EXPECT_TRUE(details->text().startsWith("Your hold: " + KeptCards(deal.deal, hold) + ", worth " + CreditsText(values[hold])));
        EXPECT_EQ(practice->Tally().hands, round + 1);
        if (cost > 1e-9)  // the deal's line is missed, and said so
            EXPECT_TRUE(Find<QLabel>("Practice", "PracticeLeaning")->text().contains("missed so far: line " + QString::number(deal.line)));
        Key(Qt::Key_1);  // the hold checked stays as it was
        EXPECT_EQ(Find<QPushButton>("Practice", "PracticeCard1")->isChecked(), strategy::Keeps(hold, 1));
        Key(Qt::Key_Return);  // the next hand
        EXPECT_NE(practice->Hand()->deal, deal.deal);
    }
    EXPECT_GE(practice->Tally().bestFound, 1);
    EXPECT_TRUE(Find<QLabel>("Practice", "PracticeTally")->text().startsWith("Hands: 2. Best holds found: "));
    auto* lean = Find<QCheckBox>("Practice", "PracticeLean");
    auto* leaning = Find<QLabel>("Practice", "PracticeLeaning");
    EXPECT_TRUE(leaning->text().startsWith("Deals lean towards"));
    lean->click();
    EXPECT_TRUE(leaning->text().startsWith("Plain random deals"));
}

}  // namespace
}  // namespace velmora::ui
