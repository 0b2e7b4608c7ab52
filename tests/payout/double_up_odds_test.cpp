// The weighted double-up, measured: from fixed table states, the share of
// right guesses over many presses of Big or Small must match the share that
// the weighting rule implies, computed here on its own from the cards the
// draw can yield.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "table/poker_workbench.h"

namespace velmora {
namespace {

int Rank(int code) { return (code - 1) % 13 + 1; }

// The reference slot `step` (the guess reveals slot step + 1) holds the card `reference`.
struct GuessCase { int step, reference; Guess guess; };

// The table just before a guess: the run's earlier cards are face up with
// their ranks already in the old-card variables, as after earlier guesses.
Poker TableBefore(const GuessCase& c, RandomSource& random) {
    Poker table(random);
    PokerState& form = PokerWorkbench(table).State();
    // Fixed cards around the reference, none of rank 1 to 13 as a code
    // clash unless intended: slots before the reference hold a Four and a
    // Nine of block 4, later slots hold cards of block 3.
    const int before[] = {0, 43, 48, 50}, after[] = {0, 0, 28, 33, 38, 30};
    for (int slot = 1; slot <= 5; ++slot) {
        form.Card[slot] = std::int16_t(slot < c.step ? before[slot] : slot > c.step ? after[slot] : c.reference);
        form.OldCard[slot] = std::int16_t(Rank(form.Card[slot]));
    }
    form.DoubleStep = static_cast<std::int16_t>(c.step);
    form.WinAmount = 4;
    form.Big.Visible = form.Small.Visible = true;
    form.DoubleB.Visible = form.Deal1.Visible = false;
    return table;
}

// The chance of a right guess, from the rule: the hidden card is drawn from
// the codes not excluded (the other four cards, the ranks of the slots
// before it read as codes, and the previous card of its own slot). A card
// that beats the reference by plain rank comparison stands only with a roll
// of the step's threshold or more, else it is drawn again; any other card
// stands. An Ace, drawn or as reference, is a right guess.
double ChanceOfRightGuess(const PokerState& table, const GuessCase& c) {
    const int hidden = c.step + 1;
    const int referenceRank = Rank(c.reference);
    if (referenceRank == 1) return 1.0;
    const double stands = (101 - (80 + 4 * c.step)) / 100.0;  // rolls 84, 88, 92, 96 and up
    std::set<int> fixedOut;
    for (int slot = 1; slot <= 5; ++slot) {
        if (slot != hidden) fixedOut.insert(table.Card[slot]);
        if (slot < hidden) fixedOut.insert(table.OldCard[slot]);
    }
    const auto beats = [&](int code) {
        return c.guess == Guess::Big ? Rank(code) > referenceRank : Rank(code) < referenceRank;
    };
    // Chance of a right guess from a draw whose own slot last held `previous`;
    // `redrawn` is the chance once a beating card has been drawn, the same
    // for every beating card.
    const auto fromDraw = [&](int previous, double redrawn) {
        double right = 0;
        int codes = 0;
        for (int code = 1; code <= 52; ++code) {
            if (fixedOut.count(code) || code == previous) continue;
            ++codes;
            if (beats(code)) right += stands + (1 - stands) * redrawn;
            else if (Rank(code) == 1) right += 1;
        }
        return right / codes;
    };
    int someBeatingCard = 0;
    for (int code = 1; code <= 52 && !someBeatingCard; ++code)
        if (beats(code) && !fixedOut.count(code)) someBeatingCard = code;
    double redrawn = 0;
    for (int i = 0; i < 200; ++i) redrawn = fromDraw(someBeatingCard, redrawn);  // a contraction: converges
    return fromDraw(table.Card[hidden], redrawn);
}

TEST(DoubleUpOdds, RightGuessesComeAsOftenAsTheWeightingImplies) {
    constexpr int kTrials = 6000;
    ClockSeededGenerator generator(77, [] { return std::uint64_t{1}; });  // fixed: deterministic
    for (int step = 1; step <= 4; ++step) {
        for (const Guess guess : {Guess::Big, Guess::Small}) {
            double expected = 0, variance = 0;
            long right = 0;
            for (int referenceRank = 1; referenceRank <= 13; ++referenceRank) {
                const GuessCase c{step, 13 + referenceRank, guess};  // block 2
                const Poker before = TableBefore(c, generator);
                const double p = ChanceOfRightGuess(before.State(), c);
                expected += p * kTrials;
                variance += p * (1 - p) * kTrials;
                for (int trial = 0; trial < kTrials; ++trial) {
                    Poker table = before;
                    PokerWorkbench(table).Guess_Click(guess);
                    right += table.State().Deal1.Visible ? 0 : 1;  // a wrong guess shows Deal again
                }
            }
            const double tolerance = 4 * std::sqrt(variance);
            EXPECT_NEAR(right, expected, tolerance)
                << "step " << step << (guess == Guess::Big ? " Big" : " Small") << ": "
                << right / (13.0 * kTrials) << " right, expected " << expected / (13.0 * kTrials);
        }
    }
}

// The last win that may be doubled again is 16383: from 16384 on, Big and
// Small go, since one more doubling would pass what the win can hold.
TEST(DoubleUp, BigAndSmallGoOnceTheWinReaches16384) {
    ClockSeededGenerator generator(5, [] { return std::uint64_t{1}; });
    for (const auto& [win, doublesAgain] : {std::pair{4096, true}, {6144, true}, {8192, false}, {9600, false}}) {
        Poker form = TableBefore({1, 14, Guess::Big}, generator);  // an Ace as reference: always right
        PokerWorkbench bench(form);
        PokerState& table = bench.State();
        table.WinAmount = static_cast<std::int16_t>(win);
        bench.Guess_Click(Guess::Big);
        EXPECT_EQ(table.WinAmount, 2 * win);
        EXPECT_EQ(table.Big.Visible && table.Small.Visible, doublesAgain) << 2 * win;
        EXPECT_TRUE(table.Take.Visible) << 2 * win;
    }
}

}  // namespace
}  // namespace velmora
