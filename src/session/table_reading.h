#pragma once

#include "strategy/hand_class.h"
#include "strategy/hold_values.h"
#include "strategy/table_draw.h"
#include "table/control_table.h"
#include "table/hand_phase.h"
#include "table/poker.h"

// What the trainer reads off the table. It only reads: nothing here changes
// a rule, a timer or a caption of the game.

namespace velmora::session {

// Where a hand stands: the table's own reading of its shown buttons.
inline HandPhase PhaseOf(const Poker& game) { return velmora::PhaseOf(game.State()); }

// The cards in slots 1..5.
strategy::Deal DealOf(const Poker& game);
// What each slot held before its last draw: while the player holds, the
// cards of the hand before the deal, which the table's draw keeps out of
// drawn slots right of a held slot.
strategy::PreviousCards PreviousOf(const Poker& game);
// The hold the HOLD markers show, numbered as strategy::Keeps reads it.
int HoldOf(const Poker& game);
// The hold the game suggests for the dealt hand waiting for the draw: what
// its own hold analysis marks, worked out on a copy of the table, so that a
// click that reached the game in the same event as the last card does not
// count as the game's.
int SuggestedHold(const Poker& game);
// The class of hand a pay line pays for.
strategy::HandClass ClassOfLine(const PayLineEntry& line);
// The class of the hand the lit pay line names, Nothing when none is lit.
strategy::HandClass MadeClass(const Poker& game);

}  // namespace velmora::session
