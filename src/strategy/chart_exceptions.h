#pragma once

#include <vector>

#include "strategy/chart.h"
#include "strategy/chart_deals.h"

namespace velmora::strategy::charting {

// Adds to `exact`, a chart of the fine grain whose line i names the kind with
// place i in `place` (lines beyond the chart have larger places), the
// exceptions that make it play every deal perfectly, as far as penalty cards
// can tell the deals apart, and sets its return.
void AddExceptions(const Table& table, const Grain& grain, const std::vector<int>& place, Chart& exact);

}  // namespace velmora::strategy::charting
