#include <gtest/gtest.h>

#include <vector>

#include "hand_sweep.h"
#include "table/control_table.h"

namespace velmora {
namespace {

using testing::Hand;

constexpr int kNone = 9;
constexpr int kSeveral = 10;

// The one green line as its index in the pay table, kNone, or kSeveral.
int GreenLine(const Poker& form) {
    int green = kNone;
    for (int i = 0; i < 9; ++i)
        if (IsMarked(form.*kPayLines[static_cast<std::size_t>(i)].member)) green = green == kNone ? i : kSeveral;
    return green;
}

// Every hand, counted per line, against the textbook counts of five-card
// poker; the same hand in other slot orders must mark the same line.
TEST(HandEvaluation, EveryHandMarksTheLineTheTextbookCountsGive) {
    Poker form;
    long perLine[kSeveral + 1] = {};
    long orderMismatches = 0;
    testing::ForEveryHand([&](const Hand& hand) {
        testing::EvaluateAndPreset(form, hand);
        const int line = GreenLine(form);
        ++perLine[line];
        for (const Hand& reordered : {Hand{hand[4], hand[3], hand[2], hand[1], hand[0]},
                                      Hand{hand[2], hand[4], hand[0], hand[3], hand[1]}}) {
            testing::EvaluateAndPreset(form, reordered);
            if (GreenLine(form) != line && ++orderMismatches < 5) ADD_FAILURE() << "slot order changed " << line;
        }
    });
    // Royal Flush down to Jacks or Better, then no line and several lines.
    const std::vector<long> textbook = {4, 36, 624, 3744, 5108, 10200, 54912, 123552, 337920, 2062860, 0};
    EXPECT_EQ(std::vector<long>(perLine, perLine + kSeveral + 1), textbook);
    EXPECT_EQ(orderMismatches, 0);
}

}  // namespace
}  // namespace velmora
