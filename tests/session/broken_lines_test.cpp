// Which chart line a draw broke, on a short chart of five lines and a deal of
// two Jacks (J♣ 5♣ 9♠ J♦ 2♠), under values set for each case; and the
// session's count of broken lines, each draw counted once.
#include <gtest/gtest.h>

#include "session/broken_lines.h"

namespace velmora::session {
namespace {

using strategy::HoldKind;
using strategy::HoldShape;

strategy::Chart ShortChart() {
    strategy::Chart chart;
    for (const HoldKind kind : {HoldKind{.shape = HoldShape::HighPair}, HoldKind{.shape = HoldShape::ToFlush, .cards = 4},
                                HoldKind{.shape = HoldShape::LowPair}, HoldKind{.shape = HoldShape::HighCards, .cards = 1},
                                HoldKind{.shape = HoldShape::DrawFive}})
        chart.lines.push_back({kind});
    return chart;
}

constexpr strategy::Deal kJacks{11, 5, 48, 24, 41};
constexpr int kPair = 0b01001, kJack = 0b01000, kLowCards = 0b10010;  // 5♣ 2♠: no line names them

// Every hold worth 0.1, but `best` (and `tie`) worth 1 at the table and `deckBest` from a shuffled deck.
HoldAdvice AdviceWith(int best, int deckBest, int tie) {
    HoldAdvice advice;
    advice.deal = kJacks;
    advice.values.fill(0.1);
    advice.deckValues.fill(0.1);
    advice.values[best] = advice.values[tie] = advice.deckValues[deckBest] = 1;
    advice.ranking[0] = best;
    return advice;
}

TEST(BrokenLine, AHoldBelowTheBestHoldsLineOrOffTheChartBreaksIt) {
    struct Case { int best, deckBest, held; std::optional<std::pair<int, int>> broken; int tie = 0; };
    const Case cases[] = {
        {kPair, kPair, kJack, {{1, 4}}},      // high pair kept as one Jack
        {kPair, kPair, kLowCards, {{1, 0}}},  // off the chart
        {kPair, kPair, kJack, {}, kJack},     // worth as much as the best: nothing given up
        {kPair, kLowCards, kLowCards, {}},    // best from a shuffled deck: only the table's draw costs
        {kJack, kJack, kPair, {}},            // a higher line worth less: the chart is wrong here, not the player
        {kJack, kJack, 0b00001, {}},          // the same line, another card
        {kLowCards, kLowCards, kJack, {{1, 4}}},  // the best hold off the chart: the chart's own pick, line 1
    };
    for (const Case& c : cases) {
        const auto broken = BrokenLine(ShortChart(), AdviceWith(c.best, c.deckBest, c.tie ? c.tie : c.best), c.held);
        EXPECT_EQ(broken ? std::optional(std::pair(broken->line, broken->heldLine)) : std::nullopt, c.broken)
            << &c - cases;
    }
}

TEST(BrokenLineCount, CountsEachDrawOnceAsTheSessionGoesOn) {
    std::vector<DrawDecision> decisions{{.deal = kJacks, .held = kJack}, {.deal = kJacks, .held = kPair}};
    BrokenLineCount count;
    count.Count(ShortChart(), decisions);
    decisions.push_back({.deal = kJacks, .held = kLowCards});
    count.Count(ShortChart(), decisions);
    EXPECT_EQ(std::vector({count.Times(1), count.Times(2), count.Times(4)}), std::vector({2, 0, 0}));
}

}  // namespace
}  // namespace velmora::session
