#pragma once

#include <algorithm>
#include <array>

#include "strategy/hold_values.h"

namespace velmora::session {

// Two holds whose values differ by no more than this are worth the same.
inline constexpr double kSameValue = 1e-9;

// The exact value of every hold of a deal under the game's pay table, and
// the holds from the best down.
struct HoldAdvice {
    strategy::Deal deal{};
    strategy::HoldValueSet values{};
    // Every hold, best first: by value, then (among equal values) the one
    // that keeps more cards, then the lower hold number. The first is
    // strategy::BestHold's choice.
    std::array<int, strategy::kHoldCount> ranking{};

    int Best() const { return ranking[0]; }
    double Value(int hold) const { return values[static_cast<std::size_t>(hold)]; }
    // The expected credits a hold gives up against the best (a hold worth
    // the same may be a hair above it: that gives up nothing).
    double Cost(int hold) const { return std::max(0.0, Value(Best()) - Value(hold)); }
    bool IsMistake(int hold) const { return Cost(hold) > kSameValue; }
};

// Needs the strategy tables: the first call builds them unless
// strategy::WarmUp has. After that, a few microseconds a deal.
HoldAdvice Advise(const strategy::Deal& deal);

}  // namespace velmora::session
