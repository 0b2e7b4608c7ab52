#include <gtest/gtest.h>

#include <map>
#include <string>

#include "hand_sweep.h"
#include "table/poker.h"

namespace velmora {
namespace {

using testing::Hand;

void Place(Poker& form, const Hand& hand) {
    for (int slot = 1; slot <= 5; ++slot) form.Card[slot] = static_cast<std::int16_t>(hand[slot - 1]);
}

constexpr std::pair<const char*, Label Poker::*> kLines[] = {
    {"Royal", &Poker::Royal}, {"SFlush", &Poker::SFlush}, {"Kind", &Poker::Kind},
    {"Full", &Poker::Full},   {"Flush", &Poker::Flush},   {"Straight", &Poker::Straight},
    {"Tree", &Poker::Tree},   {"Two", &Poker::Two},       {"Jack", &Poker::Jack},
};
constexpr int kNone = 9;
constexpr int kSeveral = 10;

// The one green line as its index in kLines, kNone, or kSeveral.
int GreenLine(const Poker& form) {
    int green = kNone;
    for (int i = 0; i < 9; ++i)
        if ((form.*kLines[i].second).BackColor == 0x0000C000u) green = green == kNone ? i : kSeveral;
    return green;
}

std::string GreenLines(const Poker& form) {
    const int line = GreenLine(form);
    return line == kNone ? "none" : line == kSeveral ? "several" : kLines[line].first;
}

std::string Evaluate(const Hand& hand) {
    Poker form;
    Place(form, hand);
    form.EvaluateHand();
    return GreenLines(form);
}

// Every hand, counted per line, against the textbook counts of five-card
// poker; the same hand in other slot orders must mark the same line.
TEST(HandEvaluation, EveryHandMarksTheLineTheTextbookCountsGive) {
    Poker form;
    long perLine[kSeveral + 1] = {};
    long orderMismatches = 0;
    testing::ForEveryHand([&](const Hand& hand) {
        Place(form, hand);
        form.EvaluateHand();
        const int line = GreenLine(form);
        ++perLine[line];
        form.ClearPayHighlight();
        for (const Hand& reordered : {Hand{hand[4], hand[3], hand[2], hand[1], hand[0]},
                                      Hand{hand[2], hand[4], hand[0], hand[3], hand[1]}}) {
            Place(form, reordered);
            form.EvaluateHand();
            if (GreenLine(form) != line && ++orderMismatches < 5) ADD_FAILURE() << "slot order changed " << line;
            form.ClearPayHighlight();
        }
    });
    std::map<std::string, long> counts;
    for (int i = 0; i <= kSeveral; ++i)
        if (perLine[i]) counts[i == kNone ? "none" : i == kSeveral ? "several" : kLines[i].first] = perLine[i];
    const std::map<std::string, long> textbook = {
        {"Royal", 4},      {"SFlush", 36},   {"Kind", 624},    {"Full", 3744},   {"Flush", 5108},
        {"Straight", 10200}, {"Tree", 54912}, {"Two", 123552}, {"Jack", 337920}, {"none", 2062860},
    };
    EXPECT_EQ(counts, textbook);
    EXPECT_EQ(orderMismatches, 0);
}

TEST(HandEvaluation, EdgeHands) {
    const std::pair<Hand, const char*> cases[] = {
        {{10, 11, 12, 13, 1}, "Royal"},      // 10-J-Q-K-A of block 1
        {{49, 50, 51, 52, 40}, "Royal"},     // of block 4
        {{1, 2, 3, 4, 5}, "SFlush"},         // A-2-3-4-5 of one block
        {{9, 10, 11, 12, 13}, "SFlush"},     // 9-10-J-Q-K
        {{35, 36, 37, 38, 39}, "SFlush"},
        {{13, 14, 15, 16, 17}, "none"},      // consecutive codes across a block border: K-A-2-3-4
        {{10, 11, 12, 13, 14}, "Straight"},  // 10-J-Q-K of block 1 with an Ace of block 2
        {{1, 2, 3, 4, 18}, "Straight"},      // A-2-3-4 and a Five of another block
        {{12, 13, 1, 2, 16}, "none"},        // Q-K-A-2-3 never wraps
        {{2, 15, 28, 41, 7}, "Kind"},        // four Twos
        {{1, 14, 27, 13, 26}, "Full"},       // three Aces, two Kings
        {{27, 29, 31, 33, 36}, "Flush"},     // block 3, not in sequence
        {{1, 14, 13, 26, 5}, "Two"},         // Aces and Kings
        {{11, 24, 3, 7, 40}, "Jack"},        // a pair of Jacks
        {{10, 23, 3, 7, 41}, "none"},        // a pair of Tens pays nothing
        {{2, 16, 30, 44, 9}, "none"},        // no pair, flush or straight
        {{5, 18, 31, 2, 3}, "Tree"},         // three Fives
    };
    for (const auto& [hand, line] : cases) EXPECT_EQ(Evaluate(hand), line) << hand[0] << "," << hand[1] << "...";
}

}  // namespace
}  // namespace velmora
