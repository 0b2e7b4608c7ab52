#pragma once

#include <string>

#include "strategy/perfect_play.h"

namespace velmora::strategy_tool {

// A share as a percentage with `decimals` decimals: "99.5439%".
std::string Percent(double share, int decimals = 4);

// How often perfect play makes each hand, Royal Flush first, one line each:
// the hand, its chance in percent and as "1 in N".
std::string HandOddsText(const strategy::PerfectPlayOdds& odds);

}  // namespace velmora::strategy_tool
