// The session's statistics over a scripted session on the headless table,
// against figures worked out by hand.
#include <gtest/gtest.h>

#include <tuple>

#include "session/hold_advice.h"
#include "session/session_tracker.h"
#include "strategy/pays.h"
#include "table/control_table.h"

namespace velmora::session {
namespace {

using strategy::HandClass;

// The game with forced cards and rolls, shown to a tracker after each event.
class ScriptedTable {
public:
    ScriptedTable() { tracker.Observe(game_); }

    void Force(std::initializer_list<int> codes) {
        for (const int code : codes) random_.Queue((code - 0.5f) / 52);
    }
    void Roll(float u) { random_.Queue(u); }
    void Click(std::string_view button) {
        game_.Click(*ButtonNamed(button));
        tracker.Observe(game_);
    }
    // A click that reaches the game right after the ticks due `after` ms from now.
    void Card(int slot, Millis after = 0) {
        game_.AdvanceTo(now_ += after);
        game_.ClickLabel(slot);
        tracker.Observe(game_);
    }
    void Advance(Millis ms) {
        game_.AdvanceTo(now_ += ms);
        tracker.Observe(game_);
    }
    void Deal(const strategy::Deal& cards) {
        for (const int code : cards) Force({code});
        Click("Deal1");
        Advance(1250);
        ASSERT_EQ(DealOf(game_), cards);
    }
    void Draw(std::initializer_list<int> codes) {
        Force(codes);
        Click("Deal2");
        Advance(1500);
    }
    const Poker& Game() const { return game_; }

    SessionTracker tracker;

private:
    ClockSeededGenerator fallback_{9};
    ScriptedRandom random_{fallback_};
    Poker game_{random_};
    Millis now_ = 0;
};

TEST(SessionTracker, AScriptedSessionAddsUpAsWorkedOutByHand) {
    ScriptedTable table;
    // 1: a royal flush dealt in Spades; the player lets the Ace go and draws
    // the Nine for a straight flush (50), doubles it once (a Two, then a King
    // that stands: 100) and loses it on the next guess (a Five under the King).
    table.Deal({40, 52, 51, 50, 49});
    table.Card(1);
    table.Draw({48});
    table.Force({2, 13});
    table.Roll(0.995f);
    table.Click("DoubleB");
    table.Click("Big");
    table.Force({18});
    table.Roll(0.5f);
    table.Click("Big");
    // 2: the pair of Jacks the game holds; Jacks or Better, doubled once and taken.
    table.Deal({11, 5, 48, 24, 41});
    table.Draw({16, 33, 47});
    table.Force({2, 13});
    table.Roll(0.995f);
    table.Click("DoubleB");
    table.Click("Big");
    table.Click("Take");
    // 3: King of Diamonds and Queen of Clubs kept where the game holds
    // nothing, the King clicked as the last card turns up; the draw makes nothing.
    table.Force({26, 8, 32, 42, 12});
    table.Click("Deal1");
    table.Advance(1000);
    table.Card(1, 250);
    table.Card(5);
    table.Draw({4, 46, 35});
    // 4: a straight dealt and kept whole, its 4 points taken at once.
    table.Deal({5, 19, 33, 47, 9});
    table.Draw({});
    table.Click("Take");

    const SessionStats& stats = table.tracker.Stats();
    EXPECT_EQ(std::tuple(stats.hands, stats.bet, stats.taken), std::tuple(4, 4, 6));
    EXPECT_EQ(stats.credits, (std::vector<double>{10, 9, 10, 9, 12}));
    strategy::PerClass<int> made{};
    for (const HandClass hand : {HandClass::StraightFlush, HandClass::JacksOrBetter, HandClass::Nothing, HandClass::Straight})
        made[Index(hand)] = 1;
    EXPECT_EQ(stats.made, made);
    const auto& up = stats.doubleUp;  // rounds, right and wrong guesses, points risked and brought home
    EXPECT_EQ(std::tuple(up.rounds, up.rightGuesses, up.wrongGuesses, up.risked, up.broughtHome),
              std::tuple(2, 2, 1, 51, 2));

    const std::vector<DrawDecision>& decisions = table.tracker.Decisions();
    ASSERT_EQ(decisions.size(), 4u);
    const int held[] = {0b11110, 0b01001, 0b10001, 0b11111}, suggested[] = {0b11111, 0b01001, 0, 0b11111};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(std::pair(decisions[i].held, decisions[i].suggested), std::pair(held[i], suggested[i])) << i;
    EXPECT_EQ(table.tracker.CurrentHand()->held, 0b11111);

    EXPECT_EQ(table.tracker.Advice().assessed, 0);
    table.tracker.Assess();
    const AdvisorRecord advice = table.tracker.Advice();
    // Four to the royal, the Ace gone, draw one of 47: the Nine of Spades
    // pays 50, seven more Spades 5, three Nines and three Aces a straight,
    // nine Kings, Queens and Jacks a pair that pays: 118 in all. Holding
    // King and Queen is the best of hand 3; the game's empty hold is not.
    // Hand 3 is valued under the table's draw: before its deal the slots
    // showed the double-up's Two and King of Clubs, then hand 2's last three
    // cards, and the Two cannot come back into slots 2 to 4 while slot 1 is held.
    const auto third = strategy::TableHoldValues({26, 8, 32, 42, 12}, {2, 13, 33, 24, 47}, strategy::GamePays());
    EXPECT_EQ(advice.decisions, 4);
    EXPECT_EQ(advice.mistakes, 1);
    EXPECT_NEAR(advice.givenUp, 300 - 118.0 / 47, 1e-9);
    EXPECT_NEAR(advice.suggestionsGiveUp, third[0b10001] - third[0], 1e-9);
    EXPECT_GT(advice.suggestionsGiveUp, 0.01);
}

}  // namespace
}  // namespace velmora::session
