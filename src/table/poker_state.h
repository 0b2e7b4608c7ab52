#pragma once

#include <array>
#include <cstdint>

#include "table/controls.h"
#include "table/numbered.h"
#include "table/scheduler.h"

namespace velmora {

// Ranks 1..13 (Ace, 2..10, Jack, Queen, King) and suit blocks 1..4.
inline constexpr int kRankCount = 13;
inline constexpr int kBlockCount = 4;
template <class T>
using Ranks = Numbered<T, kRankCount>;
template <class T>
using Blocks = Numbered<T, kBlockCount>;

// The table window's controls and window-level variables, as plain data.
// The state the player sees lives in the controls and is read back from
// them: the credits are Score's caption, a hold is a HOLD marker's
// visibility, the hand's line is a pay-table label's back colour, the phase
// is the set of shown buttons (table/hand_phase.h). Only the game's own
// procedures (class Poker) write it; everyone else reads it.
struct PokerState {
    // The timers start with these intervals, Timer1 first (the table's
    // descriptor, table/control_table.h, lists them).
    explicit PokerState(const std::array<int, Scheduler::kTimerCount>& intervals) : Timers(intervals) {}

    // ---- Pay table ----
    Label Royal, SFlush, Kind, Full, Flush, Straight, Tree, Two, Jack;
    // ---- Card row ----
    Slots<Label> Hold;
    Slots<CardControl> Picture;
    // ---- Message line and credits ----
    Label Panel, Score;
    // ---- Buttons ----
    Button Cancel, Small, DoubleB, Big, Take, Deal1, Deal2, About, Sortie;
    // ---- Timers 1..7 ----
    Scheduler Timers;
    // ---- The screen's mouse pointer: kDefaultPointer or kHourglass ----
    int MousePointer = kDefaultPointer;
    // ---- Keyboard focus: the button the game last gave it to ----
    Button PokerState::*Focus = &PokerState::Deal1;
    // Counts focus requests, so a front end sees a request repeated for the
    // button that already has the focus.
    unsigned FocusRequests = 0;
    // ---- The About window and the program's end ----
    bool AboutOpen = false;
    bool Ended = false;

    // ---- Window-level variables ----
    Slots<std::int16_t> Card;
    Slots<std::int16_t> OldCard;
    std::int16_t WinAmount = 0;
    std::int16_t DoubleStep = 0;
    std::int16_t DoubleRoll = 0;
    std::int32_t HandPay = 0;
    // Working variables of the hand evaluation and the hold analysis.
    Ranks<std::int16_t> RankCount;
    Blocks<std::int16_t> RoyalCount;
    Ranks<std::int16_t> RankSlots;
};

}  // namespace velmora
