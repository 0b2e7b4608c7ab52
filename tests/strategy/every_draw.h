#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "strategy/hold_values.h"

// Hold values the slow way, to check the advisor against: every draw of
// every hold dealt out and judged by a hand classifier of the test's own.
namespace velmora::strategy::testing {

using Finals = std::array<std::int64_t, 10>;  // Nothing, Jacks or Better, ..., Royal Flush

inline int Judge(const int* hand) {
    int byRank[15] = {};  // the Ace at 1 and again at 14
    bool flush = true, straight = false, bigPair = false;
    for (int i = 0; i < 5; ++i) {
        ++byRank[(hand[i] - 1) % 13 + 1];
        flush = flush && (hand[i] - 1) / 13 == (hand[0] - 1) / 13;
    }
    byRank[14] = byRank[1];
    for (int low = 1; low <= 10; ++low)
        straight = straight || (byRank[low] && byRank[low + 1] && byRank[low + 2] && byRank[low + 3] && byRank[low + 4]);
    int pairs = 0, most = 0;
    for (int rank = 1; rank <= 13; ++rank) {
        most = std::max(most, byRank[rank]);
        pairs += byRank[rank] == 2;
        bigPair = bigPair || (byRank[rank] == 2 && (rank == 1 || rank > 10));
    }
    if (straight && flush) return byRank[10] && byRank[14] ? 9 : 8;
    if (most >= 3) return most == 4 ? 7 : pairs ? 6 : 3;
    if (flush || straight) return flush ? 5 : 4;
    return pairs == 2 ? 2 : bigPair ? 1 : 0;
}

inline std::array<Finals, 32> DealOutEveryDraw(const Deal& deal) {
    std::array<int, 47> unseen{};
    for (int code = 1, n = 0; code <= 52; ++code)
        if (std::find(deal.begin(), deal.end(), code) == deal.end()) unseen[n++] = code;
    std::array<Finals, 32> finals{};
    int hand[5];
    for (int hold = 0; hold < 32; ++hold) {
        int kept = 0;
        for (int slot = 0; slot < 5; ++slot)
            if (hold >> slot & 1) hand[kept++] = deal[slot];
        auto draw = [&](auto& self, int place, int from) -> void {
            if (place == 5) return void(++finals[hold][Judge(hand)]);
            for (int i = from; i < 47; ++i) {
                hand[place] = unseen[i];
                self(self, place + 1, i + 1);
            }
        };
        draw(draw, kept, 0);
    }
    return finals;
}

// The advisor's final-hand counts and values of every hold against the dealt-out ones.
inline void ExpectEveryHoldAsDealtOut(const Deal& deal) {
    SCOPED_TRACE(::testing::PrintToString(deal));
    const std::array<Finals, 32> dealtOut = DealOutEveryDraw(deal);
    for (const Pays& pays : {GamePays(), NineSixPays()}) {
        const HoldValueSet values = HoldValues(deal, pays);
        for (int hold = 0; hold < 32; ++hold) {
            double paid = 0, draws = 0;
            for (int c = 0; c < 10; ++c) {
                paid += double(pays.credits[c]) * double(dealtOut[hold][c]);
                draws += double(dealtOut[hold][c]);
            }
            EXPECT_NEAR(values[hold], paid / draws, 1e-9) << "hold " << hold;
        }
    }
    for (int hold = 0; hold < 32; ++hold) EXPECT_EQ(FinalHandCounts(deal, hold), dealtOut[hold]) << "hold " << hold;
}

inline Deal RandomDeal(std::mt19937& random) {
    std::array<int, 52> pack;
    for (int i = 0; i < 52; ++i) pack[i] = i + 1;
    std::shuffle(pack.begin(), pack.end(), random);
    return {pack[0], pack[1], pack[2], pack[3], pack[4]};
}

}  // namespace velmora::strategy::testing
