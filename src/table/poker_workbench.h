#pragma once

#include <array>
#include <cstdint>

#include "table/poker.h"

namespace velmora {

// Opens the table to tests and benchmarks, which stage situations the
// events would reach only slowly or by chance (a given hand on the table, a
// given double-up step) and run single procedures on them. The game, its
// window and its tools never use it.
class PokerWorkbench {
public:
    explicit PokerWorkbench(Poker& table) : table_(table) {}

    PokerState& State() { return table_; }
    void DrawCard(int slot) { table_.DrawCard(slot); }
    void Guess_Click(Guess guess) { table_.Guess_Click(guess); }
    float Roll() { return table_.Roll(); }

    // Lays the hand on the table with no HOLD marker and no line lit, and
    // runs the end of a deal on it: the pay-table line, then the suggested
    // holds.
    void EvaluateAndPreset(const std::array<int, 5>& hand) {
        for (int slot = 1; slot <= kSlotCount; ++slot) {
            table_.Card[slot] = static_cast<std::int16_t>(hand[static_cast<std::size_t>(slot - 1)]);
            table_.Hold[slot].Visible = false;
        }
        table_.ClearPayHighlight();
        table_.EvaluateHand();
        table_.PresetHolds();
    }

private:
    Poker& table_;
};

}  // namespace velmora
