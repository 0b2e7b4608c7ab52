#pragma once

#include <QString>

#include "session/hold_advice.h"
#include "strategy/chart.h"

namespace velmora::ui {

// Why a hold drawn with was worth less than the best, by the basic chart:
// the line it broke ("Line 9, 4 to a flush, ranks above line 11, low
// pair."); where it broke none and the table's own draw makes the
// difference, that; else that the deal is one of the chart's exceptions.
// Empty for the best hold.
QString BrokenRuleText(const strategy::Chart& chart, const session::HoldAdvice& advice, int held);

}  // namespace velmora::ui
