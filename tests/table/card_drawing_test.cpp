#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "table/poker_workbench.h"

namespace velmora {
namespace {

// The value that makes a roll give `code`.
float RollFor(int code) { return (code - 0.5f) / 52; }

// For each slot: every value of its exclusion set is refused in turn, then a
// value outside it is taken; the old cards of later slots are not looked at.
TEST(CardDrawing, EachSlotAvoidsExactlyItsExclusionSet) {
    for (int slot = 1; slot <= 5; ++slot) {
        ClockSeededGenerator fallback(99, [] { return std::uint64_t{7}; });
        ScriptedRandom random(fallback);
        Poker table(random);
        PokerWorkbench bench(table);
        PokerState& form = bench.State();
        for (int s = 1; s <= 5; ++s) {
            form.Card[s] = static_cast<std::int16_t>(10 + s);     // 11..15 on the table
            form.OldCard[s] = static_cast<std::int16_t>(20 + s);  // 21..25 before
        }
        std::vector<int> excluded;
        for (int s = 1; s <= 5; ++s) {
            excluded.push_back(s == slot ? 20 + s : 10 + s);  // the others' cards, and its own card, soon old
            if (s < slot) excluded.push_back(20 + s);          // the old cards of earlier slots
        }
        for (const int code : excluded) random.Queue(RollFor(code));
        const int laterOld = slot < 5 ? 20 + slot + 1 : 40;  // allowed: not in the set
        random.Queue(RollFor(laterOld));
        form.OldCard[slot] = 99;  // overwritten by the slot's own card first
        form.Card[slot] = static_cast<std::int16_t>(20 + slot);
        bench.DrawCard(slot);
        EXPECT_EQ(form.Card[slot], laterOld) << "slot " << slot;
        EXPECT_EQ(form.OldCard[slot], 20 + slot) << "slot " << slot;
        EXPECT_EQ(random.Rolls(), static_cast<long long>(excluded.size()) + 1) << "slot " << slot;
        EXPECT_EQ(random.Reseeds(), random.Rolls());
    }
}

// Deals in slot order 1 to 5, over and over: each gives five different cards,
// none of them one of the five that lay there before, and over 200,000 deals
// every code turns up in every slot as often as a fair deal makes it.
TEST(CardDrawing, DealsAreDistinctFreshAndFair) {
    ClockSeededGenerator generator(2024, [] { return std::uint64_t{0}; });  // fixed: the test is deterministic
    Poker table(generator);
    PokerWorkbench bench(table);
    const PokerState& form = table.State();
    constexpr int kDeals = 200'000;
    long counts[6][53] = {};
    long bad = 0;
    for (int deal = 0; deal < kDeals; ++deal) {
        const Slots<std::int16_t> previous = form.Card;
        for (int slot = 1; slot <= 5; ++slot) bench.DrawCard(slot);
        std::set<int> cards(form.Card.begin(), form.Card.end());
        for (const int old : previous) bad += cards.count(old);
        bad += cards.size() != 5;
        for (int slot = 1; slot <= 5; ++slot) ++counts[slot][form.Card[slot]];
    }
    EXPECT_EQ(bad, 0);
    // Chi-square with 51 degrees of freedom; 87.97 is its 0.1% critical value.
    for (int slot = 1; slot <= 5; ++slot) {
        const double expected = double(kDeals) / 52;
        double chiSquare = 0;
        for (int code = 1; code <= 52; ++code) chiSquare += std::pow(counts[slot][code] - expected, 2) / expected;
        EXPECT_LT(chiSquare, 87.97) << "slot " << slot;
    }
}

}  // namespace
}  // namespace velmora
