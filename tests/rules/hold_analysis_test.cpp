#include <gtest/gtest.h>

#include <algorithm>

#include "table/every_hand.h"
#include "table/poker_workbench.h"
#include "table/poker.h"

namespace velmora {
namespace {

using Hand = std::array<int, 5>;
using Holds = std::array<bool, 5>;

// What a player would keep, worked out from the cards alone and without the
// game's code: a made five-card hand whole; four or three of a kind; every
// pair; nothing else.
Holds KeepersOf(const Hand& hand) {
    int rankCount[14] = {};
    bool rankSeen[15] = {};
    bool flush = true;
    for (const int code : hand) {
        const int rank = (code - 1) % 13 + 1;
        ++rankCount[rank];
        rankSeen[rank] = true;
        flush = flush && (code - 1) / 13 == (hand[0] - 1) / 13;
    }
    rankSeen[14] = rankSeen[1];  // the Ace above the King
    bool straight = false;
    for (int low = 1; low <= 10; ++low) {
        int run = 0;
        while (run < 5 && rankSeen[low + run] && rankCount[(low + run - 1) % 13 + 1] == 1) ++run;
        straight = straight || run == 5;
    }
    int most = 0, pairs = 0;
    for (int rank = 1; rank <= 13; ++rank) {
        most = std::max(most, rankCount[rank]);
        pairs += rankCount[rank] == 2;
    }

    Holds keep{};
    for (int i = 0; i < 5; ++i) {
        const int count = rankCount[(hand[i] - 1) % 13 + 1];
        if (flush || straight || (most == 3 && pairs == 1)) keep[i] = true;
        else if (most >= 3) keep[i] = count == most;
        else keep[i] = count == 2;
    }
    return keep;
}

// Every hand, each dealt in the next of the 120 slot orders in turn, so that
// every pattern of slots comes up: the markers shown are exactly the keepers,
// whichever slots the cards lie in.
TEST(HoldAnalysis, EveryHandKeepsExactlyItsMadeHandOrItsEqualRanks) {
    Poker form;
    PokerWorkbench bench(form);
    long wrong = 0;
    std::array<int, 5> order{0, 1, 2, 3, 4};
    ForEveryHand([&](const Hand& sorted) {
        std::next_permutation(order.begin(), order.end());
        const Hand hand{sorted[order[0]], sorted[order[1]], sorted[order[2]], sorted[order[3]], sorted[order[4]]};
        const Holds expected = KeepersOf(hand);
        bench.EvaluateAndPreset(hand);
        Holds shown{};
        for (int slot = 1; slot <= 5; ++slot) shown[slot - 1] = form.State().Hold[slot].Visible;
        if (shown != expected && ++wrong <= 5)
            ADD_FAILURE() << ::testing::PrintToString(hand) << ": shown " << ::testing::PrintToString(shown)
                          << ", expected " << ::testing::PrintToString(expected);
    });
    EXPECT_EQ(wrong, 0);
}

}  // namespace
}  // namespace velmora
