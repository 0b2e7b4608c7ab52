#pragma once

#include <functional>

#include "session/hold_advice.h"
#include "table/control_table.h"
#include "table/poker.h"

namespace velmora::session {

// Whether a press must wait for the player's answer before it reaches the
// game: with the warning on, a press of Deal2 while the dealt hand waits for
// the draw, whose hold gives up value against the best one. The advice on
// the deal is asked for only then (it may have to wait for the strategy
// tables); null when the trainer has no hand to advise on.
using AdviceOnDeal = std::function<const HoldAdvice*()>;
bool AsksBeforeDraw(const Poker& game, const ButtonEntry& pressed, bool warningOn, const AdviceOnDeal& advice);

}  // namespace velmora::session
