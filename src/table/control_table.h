#pragma once

#include <array>
#include <string>
#include <string_view>

#include "table/poker.h"

// The table window's named controls, each listed once. Everything that names
// a button or a pay-table line reads it from here: the table's start state,
// the click routing, the replay driver's names and state, the window's
// widgets and the tests.

namespace velmora {

struct ButtonEntry {
    std::string_view name;     // the control's name, as scripts spell it
    Button Poker::*member;
    void (Poker::*click)();    // its Click handler
    int focusOrder;            // 1..9: the place the Tab key gives it
    bool shownAtStart;
};

// In the order the replay driver reports them.
inline constexpr std::array<ButtonEntry, 9> kButtons{{
    {"Deal1", &Poker::Deal1, &Poker::Deal1_Click, 1, true},
    {"Deal2", &Poker::Deal2, &Poker::Deal2_Click, 7, false},
    {"Cancel", &Poker::Cancel, &Poker::Cancel_Click, 8, false},
    {"Take", &Poker::Take, &Poker::Take_Click, 6, false},
    {"DoubleB", &Poker::DoubleB, &Poker::DoubleB_Click, 9, false},
    {"Big", &Poker::Big, &Poker::Big_Click, 5, false},
    {"Small", &Poker::Small, &Poker::Small_Click, 4, false},
    {"About", &Poker::About, &Poker::About_Click, 2, true},
    {"Sortie", &Poker::Sortie, &Poker::Sortie_Click, 3, true},
}};

// The Jacks or Better pay table: one label a line and the points it pays on
// a stake of one credit, from the top line down.
struct PayLineEntry {
    std::string_view name;     // the label's name
    Label Poker::*member;
    std::string_view hand;     // what the line says
    int points;
};

inline constexpr std::array<PayLineEntry, 9> kPayLines{{
    {"Royal", &Poker::Royal, "Royal Flush", 300},
    {"SFlush", &Poker::SFlush, "Straight Flush", 50},
    {"Kind", &Poker::Kind, "4 of a Kind", 20},
    {"Full", &Poker::Full, "Full House", 8},
    {"Flush", &Poker::Flush, "Flush", 5},
    {"Straight", &Poker::Straight, "Straight", 4},
    {"Tree", &Poker::Tree, "3 of a Kind", 3},
    {"Two", &Poker::Two, "Two Pairs", 2},
    {"Jack", &Poker::Jack, "Jacks or Better", 1},
}};

// The other controls a click reaches: the click areas over the cards, named
// this prefix and their slot 1..5, and the About window's OK button.
inline constexpr std::string_view kClickAreaPrefix = "Label";
inline constexpr std::string_view kAboutOkName = "cmdOk";

// The entry of a button, or nullptr for a name that is none of the table's.
const ButtonEntry* ButtonNamed(std::string_view name);
const ButtonEntry& EntryOf(Button Poker::*member);

// A pay line's caption: the hand, then the points right-aligned, 19
// characters in all, so that a fixed-pitch font lines the points up.
std::string PayLineCaption(const PayLineEntry& line);

inline bool IsMarked(const Label& label) { return label.BackColor == kGreen; }

}  // namespace velmora
