#pragma once

#include "table/poker_state.h"

namespace velmora {

// Where a hand stands, read from the buttons on show.
enum class HandPhase {
    Ready,       // Deal waits for a new hand
    Dealing,     // the five cards turn up
    Holding,     // the dealt hand waits for the draw
    Drawing,     // the replacements turn up, up to the result
    Offered,     // a win waits: Take or Double
    DoublingUp,  // the big-or-small game
};

HandPhase PhaseOf(const PokerState& table);

}  // namespace velmora
