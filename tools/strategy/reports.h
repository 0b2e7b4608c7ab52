#pragma once

#include <string>

#include "strategy/chart.h"
#include "strategy/perfect_play.h"

namespace velmora::strategy_tool {

// A share as a percentage with `decimals` decimals: "99.5439%".
std::string Percent(double share, int decimals = 4);

// What `return` prints: perfect play's return and each chart's, then how
// often perfect play makes each hand, Royal Flush first.
std::string ReturnText(const strategy::Pays& pays, const strategy::PerfectPlayOdds& odds,
                       const strategy::Charts& charts);

// What `chart` prints: a heading, then one numbered line per kind of hold
// (its name, how often perfect play holds it, its average value), each
// exception indented under its line.
std::string ChartText(const strategy::Pays& pays, const strategy::Chart& chart);

// The chart as one JSON object (see the manual page).
std::string ChartJson(const strategy::Pays& pays, const strategy::Chart& chart);

}  // namespace velmora::strategy_tool
