#include "session/hold_advice.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

#include "strategy/pays.h"

namespace velmora::session {

HoldAdvice Advise(const strategy::Deal& deal) {
    HoldAdvice advice;
    advice.deal = deal;
    advice.values = strategy::HoldValues(deal, strategy::GamePays());
    // Values are compared on a grid of 1e-9, so that two holds worth the
    // same, up to rounding, are ordered by their cards.
    std::array<long long, strategy::kHoldCount> grid{};
    for (int hold = 0; hold < strategy::kHoldCount; ++hold) grid[hold] = std::llround(advice.Value(hold) / kSameValue);
    std::iota(advice.ranking.begin(), advice.ranking.end(), 0);
    std::sort(advice.ranking.begin(), advice.ranking.end(), [&grid](int a, int b) {
        if (grid[a] != grid[b]) return grid[a] > grid[b];
        const int cardsA = std::popcount(unsigned(a)), cardsB = std::popcount(unsigned(b));
        return cardsA != cardsB ? cardsA > cardsB : a < b;
    });
    // A value just across a grid line from the best one is worth the same:
    // the best hold is the one BestHold names.
    const auto best = std::find(advice.ranking.begin(), advice.ranking.end(), strategy::BestHold(advice.values));
    std::rotate(advice.ranking.begin(), best, best + 1);
    return advice;
}

}  // namespace velmora::session
