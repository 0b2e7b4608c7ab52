#include <gtest/gtest.h>

#include <stdexcept>

#include "every_draw.h"
#include "table/card_code.h"

namespace velmora::strategy {
namespace {

// Deals chosen for their known best hold with the game's pays, and a few
// random ones; suit blocks 1..4 stand for the suits.
TEST(HoldValues, AsEveryDrawDealtOut) {
    constexpr auto c = CardCode;
    const std::tuple<const char*, Deal, int> chosen[] = {
        {"pat royal", {c(1, kQueen), c(1, kAce), c(1, kTen), c(1, kKing), c(1, kJack)}, 31},
        {"flush, four to a royal", {c(2, 3), c(2, kJack), c(2, kAce), c(2, kQueen), c(2, kKing)}, 0b11110},
        {"straight, four to a royal", {c(3, kTen), c(4, 9), c(3, kJack), c(3, kQueen), c(3, kKing)}, 0b11101},
        {"low pair, four to a flush", {c(1, 5), c(2, 5), c(2, 8), c(2, kKing), c(2, 2)}, 0b11110},
        {"two pairs", {c(1, 7), c(3, kQueen), c(2, 7), c(4, 3), c(4, kQueen)}, 0b10111},
        {"nothing at all", {c(1, 2), c(2, 6), c(3, 9), c(4, kTen), c(1, 4)}, 0},
    };
    for (const auto& [name, deal, bestHold] : chosen) {
        SCOPED_TRACE(name);
        testing::ExpectEveryHoldAsDealtOut(deal);
        EXPECT_EQ(BestHold(HoldValues(deal, GamePays())), bestHold);
    }
    std::mt19937 random(2024);
    for (int i = 0; i < 2; ++i) testing::ExpectEveryHoldAsDealtOut(testing::RandomDeal(random));
}

TEST(HoldValues, RefusesWhatIsNotADeal) {
    for (const Deal& deal : {Deal{1, 2, 3, 4, 4}, Deal{0, 2, 3, 4, 5}, Deal{1, 2, 3, 4, 53}}) {
        EXPECT_THROW(HoldValues(deal, GamePays()), std::invalid_argument);
        EXPECT_THROW(FinalHandCounts(deal, 0), std::invalid_argument);
    }
    EXPECT_THROW(FinalHandCounts({1, 2, 3, 4, 5}, 32), std::invalid_argument);
}

TEST(BestHold, TiesGoToTheMostCardsThenTheLowestHold) {
    const std::pair<std::vector<std::pair<int, double>>, int> cases[] = {  // values (the rest 0), best
        {{}, 31},
        {{{5, 1.0}, {3, 1.0}}, 3},
        {{{6, 1.0}, {7, 1.0 - 1e-10}}, 7},
        {{{6, 1.0}, {7, 1.0 - 1e-8}}, 6},
        {{{16, 2.0}, {31, 1.0}}, 16},
    };
    for (const auto& [set, best] : cases) {
        HoldValueSet values{};
        for (const auto& [hold, value] : set) values[hold] = value;
        EXPECT_EQ(BestHold(values), best) << ::testing::PrintToString(set);
    }
}

}  // namespace
}  // namespace velmora::strategy
