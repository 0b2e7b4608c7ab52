#include <gtest/gtest.h>

#include <vector>

#include "table/control_table.h"
#include "table/every_hand.h"
#include "table/poker_workbench.h"

namespace velmora {
namespace {

using Hand = std::array<int, 5>;

constexpr int kNone = 9;
constexpr int kSeveral = 10;

// The one green line as its index in the pay table, kNone, or kSeveral.
int GreenLine(const PokerState& form) {
    int green = kNone;
    for (int i = 0; i < 9; ++i)
        if (IsMarked(form.*kPayLines[static_cast<std::size_t>(i)].member)) green = green == kNone ? i : kSeveral;
    return green;
}

// Every hand, counted per line, against the textbook counts of five-card
// poker; the same hand in other slot orders must mark the same line.
TEST(HandEvaluation, EveryHandMarksTheLineTheTextbookCountsGive) {
    Poker form;
    PokerWorkbench bench(form);
    long perLine[kSeveral + 1] = {};
    long orderMismatches = 0;
    ForEveryHand([&](const Hand& hand) {
        bench.EvaluateAndPreset(hand);
        const int line = GreenLine(form.State());
        ++perLine[line];
        for (const Hand& reordered : {Hand{hand[4], hand[3], hand[2], hand[1], hand[0]},
                                      Hand{hand[2], hand[4], hand[0], hand[3], hand[1]}}) {
            bench.EvaluateAndPreset(reordered);
            if (GreenLine(form.State()) != line && ++orderMismatches < 5) ADD_FAILURE() << "slot order changed " << line;
        }
    });
    // Royal Flush down to Jacks or Better, then no line and several lines.
    const std::vector<long> textbook = {4, 36, 624, 3744, 5108, 10200, 54912, 123552, 337920, 2062860, 0};
    EXPECT_EQ(std::vector<long>(perLine, perLine + kSeveral + 1), textbook);
    EXPECT_EQ(orderMismatches, 0);
}

}  // namespace
}  // namespace velmora
