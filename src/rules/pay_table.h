#pragma once

#include <array>
#include <string>

#include "table/poker.h"

namespace velmora {

// One line of the Jacks or Better pay table: its label on the table window,
// its name and the points it pays on a stake of one credit.
struct PayLine {
    Label Poker::*label;
    const char* name;
    int points;
};

// From the lowest line up: the order in which the pay table is cleared and
// read for the payout.
inline constexpr std::array<PayLine, 9> kPayTable{{
    {&Poker::Jack, "Jacks or Better", 1},
    {&Poker::Two, "Two Pairs", 2},
    {&Poker::Tree, "3 of a Kind", 3},
    {&Poker::Straight, "Straight", 4},
    {&Poker::Flush, "Flush", 5},
    {&Poker::Full, "Full House", 8},
    {&Poker::Kind, "4 of a Kind", 20},
    {&Poker::SFlush, "Straight Flush", 50},
    {&Poker::Royal, "Royal Flush", 300},
}};

// A label's caption: the name, then the points right-aligned, 19 characters
// in all, so that a fixed-pitch font lines the points up.
inline std::string PayLineCaption(const PayLine& line) {
    std::string points = std::to_string(line.points);
    std::string caption = line.name;
    caption.append(19 - caption.size() - points.size(), ' ');
    return caption + points;
}

inline bool IsMarked(const Label& label) { return label.BackColor == kGreen; }

}  // namespace velmora
