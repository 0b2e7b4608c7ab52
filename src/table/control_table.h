#pragma once

#include <array>
#include <string>
#include <string_view>

#include "table/poker.h"

// The table window's named controls, each listed once. Everything that names
// a button, a pay-table line, a slot's controls or a timer reads it from
// here: the table's start state, the click routing, the replay driver's
// names and state, the window's widgets and the tests.

namespace velmora {

struct ButtonEntry {
    std::string_view name;     // the control's name, as scripts spell it
    Button PokerState::*member;
    void (Poker::*click)();    // its Click handler, run by Poker::Click only
    int focusOrder;            // 1..9: the place the Tab key gives it
    bool shownAtStart;
};

// The Jacks or Better pay table: one label a line and the points it pays on
// a stake of one credit, from the top line down.
struct PayLineEntry {
    std::string_view name;     // the label's name
    Label PokerState::*member;
    std::string_view hand;     // what the line says
    int points;
};

// The timers, Timer1 first: the interval each starts with, and its role.
struct TimerEntry {
    int number;
    int interval;  // milliseconds
    std::string_view role;
};

// The lists themselves, in a class the table lets name its procedures.
struct ControlTable {
    // In the order the replay driver reports them.
    static constexpr std::array<ButtonEntry, 9> kButtons{{
        {"Deal1", &PokerState::Deal1, &Poker::Deal1_Click, 1, true},
        {"Deal2", &PokerState::Deal2, &Poker::Deal2_Click, 7, false},
        {"Cancel", &PokerState::Cancel, &Poker::Cancel_Click, 8, false},
        {"Take", &PokerState::Take, &Poker::Take_Click, 6, false},
        {"DoubleB", &PokerState::DoubleB, &Poker::DoubleB_Click, 9, false},
        {"Big", &PokerState::Big, &Poker::Big_Click, 5, false},
        {"Small", &PokerState::Small, &Poker::Small_Click, 4, false},
        {"About", &PokerState::About, &Poker::About_Click, 2, true},
        {"Sortie", &PokerState::Sortie, &Poker::Sortie_Click, 3, true},
    }};

    static constexpr std::array<PayLineEntry, 9> kPayLines{{
        {"Royal", &PokerState::Royal, "Royal Flush", 300},
        {"SFlush", &PokerState::SFlush, "Straight Flush", 50},
        {"Kind", &PokerState::Kind, "4 of a Kind", 20},
        {"Full", &PokerState::Full, "Full House", 8},
        {"Flush", &PokerState::Flush, "Flush", 5},
        {"Straight", &PokerState::Straight, "Straight", 4},
        {"Tree", &PokerState::Tree, "3 of a Kind", 3},
        {"Two", &PokerState::Two, "Two Pairs", 2},
        {"Jack", &PokerState::Jack, "Jacks or Better", 1},
    }};

    static constexpr std::array<TimerEntry, Scheduler::kTimerCount> kTimers{{
        {1, 250, "turns up card 1"},
        {2, 250, "turns up card 2"},
        {3, 250, "turns up card 3"},
        {4, 250, "turns up card 4"},
        {5, 250, "turns up card 5, then ends the deal or the draw"},
        {6, 250, "shows the hand's result"},
        {7, 500, "carries a double-up win over"},
    }};
};

inline constexpr const auto& kButtons = ControlTable::kButtons;
inline constexpr const auto& kPayLines = ControlTable::kPayLines;
inline constexpr const auto& kTimers = ControlTable::kTimers;

// The reveal chain's timers (one a slot), the result's and the carry-over's.
inline constexpr int kFirstRevealTimer = 1;
inline constexpr int kLastRevealTimer = 5;
inline constexpr int kResultTimer = 6;
inline constexpr int kCarryOverTimer = 7;
static_assert(kLastRevealTimer - kFirstRevealTimer + 1 == kSlotCount && kTimers[kCarryOverTimer - 1].number == 7);

// The intervals the timers start with, Timer1 first.
constexpr std::array<int, Scheduler::kTimerCount> StartIntervals() {
    std::array<int, Scheduler::kTimerCount> intervals{};
    for (const TimerEntry& timer : kTimers) intervals[static_cast<std::size_t>(timer.number - 1)] = timer.interval;
    return intervals;
}

// The controls of each card slot, named a prefix and the slot 1..5: the
// card picture, the click area over it and its HOLD marker.
inline constexpr std::string_view kPicturePrefix = "Picture";
inline constexpr std::string_view kClickAreaPrefix = "Label";
inline constexpr std::string_view kHoldMarkerPrefix = "Hold";
// The message line, the credits and the About window's OK button; the
// timers are named this prefix and their number.
inline constexpr std::string_view kPanelName = "Panel";
inline constexpr std::string_view kScoreName = "Score";
inline constexpr std::string_view kAboutOkName = "cmdOk";
inline constexpr std::string_view kTimerPrefix = "Timer";

// The entry of a button, or nullptr for a name that is none of the table's.
const ButtonEntry* ButtonNamed(std::string_view name);
const ButtonEntry& EntryOf(Button PokerState::*member);

// A pay line's caption: the hand, then the points right-aligned, 19
// characters in all, so that a fixed-pitch font lines the points up.
std::string PayLineCaption(const PayLineEntry& line);

inline bool IsMarked(const Label& label) { return label.BackColor == kGreen; }

}  // namespace velmora
