#pragma once

#include <array>
#include <cstdint>

#include "table/poker.h"

namespace velmora::testing {

using Hand = std::array<int, 5>;

// Calls visit(hand) for every one of the 2,598,960 five-card hands, each
// once, as card codes in ascending order.
template <class Visit>
void ForEveryHand(Visit&& visit) {
    Hand h{};
    for (h[0] = 1; h[0] <= 48; ++h[0])
        for (h[1] = h[0] + 1; h[1] <= 49; ++h[1])
            for (h[2] = h[1] + 1; h[2] <= 50; ++h[2])
                for (h[3] = h[2] + 1; h[3] <= 51; ++h[3])
                    for (h[4] = h[3] + 1; h[4] <= 52; ++h[4]) visit(h);
}

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
