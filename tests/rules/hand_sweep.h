#pragma once

#include <array>
#include <cstdint>

#include "table/every_hand.h"
#include "table/poker.h"

namespace velmora::testing {

using Hand = std::array<int, 5>;

using velmora::ForEveryHand;

// Lays the hand on a table with no HOLD marker and no line lit, and runs the
// end of a deal on it: the pay-table line, then the suggested holds.
inline void EvaluateAndPreset(Poker& form, const Hand& hand) {
    for (int slot = 1; slot <= 5; ++slot) {
        form.Card[slot] = static_cast<std::int16_t>(hand[slot - 1]);
        form.Hold[slot].Visible = false;
    }
    form.ClearPayHighlight();
    form.EvaluateHand();
    form.PresetHolds();
}

}  // namespace velmora::testing
