#pragma once

#include <string>
#include <vector>

#include "hold_lines.h"
#include "perfect_holds.h"
#include "strategy/chart.h"

namespace velmora::strategy_tool {

// The holds a chart gives, each with its line and its words: the line's
// kind, and after a comma the exception when one applies ("4 to a flush,
// but hold suited QJ when a discard is the suited T").
class ChartHolds {
public:
    explicit ChartHolds(const strategy::Chart& chart);

    HoldChoice Choose(const strategy::Deal& deal) const;

    // The line of the chart that names the kind of `hold`; when none does,
    // line 0 and the kind's own name.
    HoldChoice Name(const strategy::Deal& deal, int hold);

private:
    const strategy::Chart& chart_;
    std::vector<std::string> lineRules_;
    std::vector<std::vector<std::string>> exceptionRules_;
    std::string unlisted_;  // the words of the last hold no line names
};

// The best hold of each deal, named by the basic chart's line.
class PerfectChoices {
public:
    PerfectChoices(const strategy::Pays& pays, const strategy::Chart& basic) : best_(pays), basic_(basic) {}

    HoldChoice Choose(const strategy::Deal& deal) { return basic_.Name(deal, best_.BestHold(deal)); }

private:
    PerfectHolds best_;
    ChartHolds basic_;
};

}  // namespace velmora::strategy_tool
