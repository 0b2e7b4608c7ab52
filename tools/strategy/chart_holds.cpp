#include "chart_holds.h"

#include "strategy/hold_kind.h"

namespace velmora::strategy_tool {

ChartHolds::ChartHolds(const strategy::Chart& chart) : chart_(chart) {
    for (const auto& line : chart.lines) {
        lineRules_.push_back(strategy::KindName(line.kind));
        auto& exceptions = exceptionRules_.emplace_back();
        for (const auto& exception : line.exceptions)
            exceptions.push_back(lineRules_.back() + ", " + strategy::ExceptionText(exception));
    }
}

HoldChoice ChartHolds::Choose(const strategy::Deal& deal) const {
    const strategy::ChartPick pick = strategy::Follow(chart_, deal);
    if (pick.line == 0) return {pick.hold, 0, "draw five"};
    const auto& rules = exceptionRules_[pick.line - 1];
    return {pick.hold, pick.line, pick.exception < 0 ? lineRules_[pick.line - 1] : rules[pick.exception]};
}

HoldChoice ChartHolds::Name(const strategy::Deal& deal, int hold) {
    const int line = strategy::LineOf(chart_, deal, hold);
    if (line > 0) return {hold, line, lineRules_[line - 1]};
    unlisted_ = strategy::KindName(strategy::KindOf(deal, hold));
    return {hold, 0, unlisted_};
}

}  // namespace velmora::strategy_tool
