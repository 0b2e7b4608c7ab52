#include "strategy/perfect_play.h"

#include <algorithm>
#include <bit>
#include <functional>

#include "strategy/hold_values.h"
#include "strategy/subset_counts.h"
#include "table/card_code.h"
#include "table/every_hand.h"

namespace velmora::strategy {
namespace {

// Renaming the suits permutes a deal's four suit masks (the ranks it holds in
// each suit), so a deal is played only when its masks are in decreasing order,
// and stands for as many deals as there are different orders of its masks:
// 24 divided by n! for each value shared by n of them.
int DealsRepresentedByMasks(const std::array<unsigned, 4>& masks) {
    if (!std::is_sorted(masks.begin(), masks.end(), std::greater<>())) return 0;
    int deals = 24;
    int run = 1;  // masks equal to masks[i - 1] so far
    for (int i = 1; i <= 4; ++i) {
        if (i < 4 && masks[i] == masks[i - 1]) {
            ++run;
            continue;
        }
        for (int n = 2; n <= run; ++n) deals /= n;
        run = 1;
    }
    return deals;
}

}  // namespace

int DealsRepresented(const Deal& deal) {
    std::array<unsigned, 4> masks{};
    for (const int code : deal) masks[BlockOf(code) - 1] |= 1u << RankOf(code);
    return DealsRepresentedByMasks(masks);
}

PerfectPlayOdds SweepPerfectPlay(const Pays& pays) {
    // Final hands by class and by cards drawn, each weighted by the deals the
    // played deal stands for; exact integers, divided once at the end.
    std::array<PerClass<std::int64_t>, 6> finals{};
    long double totalValue = 0;
    std::int64_t deals = 0;

    ForEveryHand([&](const Deal& deal) {
        const int weight = DealsRepresented(deal);
        if (weight == 0) return;
        const HoldValueSet values = HoldValues(deal, pays);
        const int hold = BestHold(values);
        const PerClass<std::int64_t> counts = FinalHandCounts(deal, hold);
        auto& byClass = finals[5 - std::popcount(unsigned(hold))];
        for (int c = 0; c < kHandClassCount; ++c) byClass[c] += weight * counts[c];
        totalValue += weight * values[hold];
        deals += weight;
    });

    PerfectPlayOdds odds;
    odds.expectedReturn = static_cast<double>(totalValue / static_cast<long double>(deals));
    for (int c = 0; c < kHandClassCount; ++c) {
        long double p = 0;
        for (int drawn = 0; drawn <= 5; ++drawn)
            p += static_cast<long double>(finals[drawn][c]) / static_cast<long double>(Choose(47, drawn));
        odds.probability[c] = static_cast<double>(p / static_cast<long double>(deals));
    }
    return odds;
}

}  // namespace velmora::strategy
