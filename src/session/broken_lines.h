#pragma once

#include <map>
#include <optional>
#include <vector>

#include "session/hold_advice.h"
#include "session/session_tracker.h"
#include "strategy/chart.h"

namespace velmora::session {

// A chart line broken by a draw: the hold drawn with was worth less than the
// best hold, at this table and from a shuffled deck alike, and it stands
// lower on the chart than the line of the best hold from a shuffled deck
// (or than the chart's own pick, where no line names that hold), or no line
// names it at all. A hold worth less from a line as high or higher breaks
// no line: there the chart itself is wrong for the deal (one of the exact
// chart's exceptions makes the difference).
struct LineBreak {
    int line = 0;      // the line broken (1-based)
    int heldLine = 0;  // the line of the hold drawn with; 0 when no line names it
};
std::optional<LineBreak> BrokenLine(const strategy::Chart& chart, const HoldAdvice& advice, int held);

// Whether the hold drawn with is worth as much as the best one from a
// shuffled deck: only the table's own draw makes it worth less.
bool OnlyTheTableDrawCosts(const HoldAdvice& advice, int held);

// How often each line of a chart was broken this session, counted from the
// session's draws as they come (each draw once). Needs the strategy tables.
class BrokenLineCount {
public:
    void Count(const strategy::Chart& chart, const std::vector<DrawDecision>& decisions);
    // 0 for a line never broken.
    int Times(int line) const;

private:
    std::size_t counted_ = 0;
    std::map<int, int> times_;
};

}  // namespace velmora::session
