// The table's draw against a walk of it slot by slot, as the card drawing
// does it: each drawn slot copies its card into its old card, then takes any
// code that differs from the other slots' cards and from the old cards of
// itself and the slots to its left, each such code equally likely.
#include "strategy/table_draw.h"

#include <gtest/gtest.h>

#include <bit>
#include <numeric>
#include <random>
#include <tuple>
#include <vector>

#include "every_draw.h"
#include "table/card_code.h"

namespace velmora::strategy {
namespace {

using testing::Judge;

double WalkTheDraw(Deal card, PreviousCards old, int hold, const Pays& pays, int slot = 0) {
    while (slot < 5 && Keeps(hold, slot + 1)) ++slot;
    if (slot == 5) return pays.credits[Judge(card.data())];
    old[slot] = card[slot];
    std::vector<int> allowed;
    for (int code = 1; code <= 52; ++code) {
        bool barred = false;
        for (int other = 0; other < 5; ++other)
            barred = barred || (other != slot && card[other] == code) || (other <= slot && old[other] == code);
        if (!barred) allowed.push_back(code);
    }
    double total = 0;
    for (const int code : allowed) {
        card[slot] = code;
        total += WalkTheDraw(card, old, hold, pays, slot + 1);
    }
    return total / double(allowed.size());
}

// Every hold that draws at most `mostDrawn` cards against the walk, and the
// best hold when all of them are walked.
void ExpectAsWalked(const Deal& deal, const PreviousCards& old, int mostDrawn) {
    SCOPED_TRACE(::testing::PrintToString(deal) + " after " + ::testing::PrintToString(old));
    const HoldValueSet values = TableHoldValues(deal, old, GamePays());
    HoldValueSet walked{};
    for (int hold = 0; hold < kHoldCount; ++hold) {
        if (5 - std::popcount(unsigned(hold)) > mostDrawn) continue;
        walked[hold] = WalkTheDraw(deal, old, hold, GamePays());
        EXPECT_NEAR(values[hold], walked[hold], 1e-6) << "hold " << hold;
    }
    if (mostDrawn == 5) {
        EXPECT_EQ(BestHold(values), BestHold(walked));
    }
}

constexpr int Spade(int rank) { return CardCode(1, rank); }
constexpr int Heart(int rank) { return CardCode(2, rank); }

TEST(TableDraw, ChosenDeals) {
    const std::pair<Deal, PreviousCards> cases[] = {
        // The Ten of Spades showed in slot 1: no royal flush can come into slot 5.
        {{Spade(kAce), Spade(kKing), Spade(kQueen), Spade(kJack), Heart(2)}, {Spade(kTen), 20, 30, 40, 50}},
        // Four Hearts held, two more Hearts shown last hand in slots 1 and 3.
        {{Heart(2), Heart(5), Heart(9), Heart(kKing), Spade(7)}, {Heart(4), 30, Heart(11), 45, 50}},
        // Barred cards that can still come into a drawn slot left of their slot,
        // a rank the double-up left, one repeated and one dealt again.
        {{Spade(3), 20, Spade(5), 33, Spade(6)}, {Spade(4), 12, Spade(7), 12, Spade(3)}},
    };
    for (const auto& [deal, old] : cases) ExpectAsWalked(deal, old, 3);
}

TEST(TableDraw, FourToARoyalAfterItsTen) {
    const Deal deal{Spade(kAce), Spade(kKing), Spade(kQueen), Spade(kJack), Heart(2)};
    const PreviousCards old{Spade(kTen), 20, 30, 40, 50};
    const PerClass<double> odds = TableFinalOdds(deal, old, 0b01111);
    EXPECT_EQ(odds[Index(HandClass::RoyalFlush)], 0.0);
    EXPECT_NEAR(std::accumulate(odds.begin(), odds.end(), 0.0), 1.0, 1e-12);
    const std::vector<BarredCard> barred = BarredCards(deal, old, 0b01111);
    ASSERT_EQ(barred.size(), 4u);  // each previous card of slots 1 to 4 is kept out of slot 5
    EXPECT_EQ(std::tuple(barred[0].card, barred[0].heldSlot, barred[0].drawnSlots), std::tuple(Spade(kTen), 1, 0b10000));
    EXPECT_TRUE(BarredCards(deal, old, 0b11110).empty());  // slot 1 drawn: its Ten is its discard
    EXPECT_TRUE(BarredCards(deal, old, 0b10000).empty());  // no slot right of slot 5
}

// A previous hand and a deal: mostly as the deal leaves them (five cards the
// deal cannot repeat), sometimes with ranks of the double-up, repeats, cards
// of the deal and nothing.
std::pair<Deal, PreviousCards> RandomPair(std::mt19937& random) {
    std::array<int, 52> pack;
    for (int i = 0; i < 52; ++i) pack[i] = i + 1;
    std::shuffle(pack.begin(), pack.end(), random);
    Deal deal{pack[0], pack[1], pack[2], pack[3], pack[4]};
    PreviousCards old{pack[5], pack[6], pack[7], pack[8], pack[9]};
    if (random() % 3 == 0)
        for (int& card : old) card = random() % 4 == 0 ? deal[random() % 5] : int(random() % 15);
    return {deal, old};
}

TEST(TableDraw, RandomDeals) {
    std::mt19937 random(5);
    for (int n = 0; n < 150; ++n) {
        const auto [deal, old] = RandomPair(random);
        ExpectAsWalked(deal, old, 2);
    }
}

TEST(StrategySweep, RandomDealsUnderTheTableDraw) {
    std::mt19937 random(8);
    for (int n = 0; n < 300; ++n) {
        const auto [deal, old] = RandomPair(random);
        ExpectAsWalked(deal, old, n < 3 ? 5 : n < 20 ? 4 : 3);
    }
}

}  // namespace
}  // namespace velmora::strategy
