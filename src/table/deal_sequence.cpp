#include "table/captions.h"
#include "table/control_table.h"
#include "table/credit_text.h"
#include "table/hand_phase.h"
#include "table/poker.h"

// One hand up to its result: Deal charges a credit and turns the cards face
// down, then the reveal chain Timer1..Timer5 draws and turns up one slot
// after another. Which pass the chain runs is read from the phase, that is
// from the Deal buttons: Deal1 shown (and disabled) means a deal, Deal2
// shown (and disabled) means a draw.

namespace velmora {
namespace {
constexpr int kHeldSlotInterval = 1;  // a held slot's timer passes on at once

bool IsDeal(const PokerState& table) { return PhaseOf(table) == HandPhase::Dealing; }
bool IsDraw(const PokerState& table) { return PhaseOf(table) == HandPhase::Drawing; }
}  // namespace

void Poker::Deal1_Click() {
    WinAmount = 0;
    Deal1.Enabled = false;
    MousePointer = kHourglass;
    for (CardControl& picture : Picture) picture.Frame = kCardBack;
    // The draw may have shortened held slots' timers.
    for (const TimerEntry& timer : kTimers)
        if (timer.number <= kResultTimer) Timers.SetInterval(timer.number, timer.interval);
    Score.Caption = WriteCredits(ReadCredits(Score.Caption) - 1);
    Timers.SetEnabled(kFirstRevealTimer, true);
}

void Poker::Deal2_Click() {
    Cancel.Visible = false;
    Deal2.Enabled = false;
    Deal1.Enabled = true;  // stays hidden until the hand is over
    MousePointer = kHourglass;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (!Hold[slot].Visible) Picture[slot].Frame = kCardBack;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (Hold[slot].Visible) Timers.SetInterval(slot, kHeldSlotInterval);
    Timers.SetEnabled(kFirstRevealTimer, true);
}

void Poker::Timer_Timer(int slot) {
    if (IsDeal(*this)) {
        DrawCard(slot);
        Picture[slot].Frame = Card[slot];
        Timers.SetEnabled(slot + 1, true);
        Timers.SetEnabled(slot, false);
    }
    if (IsDraw(*this)) {
        if (!Hold[slot].Visible) {
            DrawCard(slot);
            Picture[slot].Frame = Card[slot];
        }
        Timers.SetEnabled(slot + 1, true);
        Timers.SetEnabled(slot, false);
    }
}

void Poker::Timer5_Timer() {
    if (IsDeal(*this)) {
        DrawCard(5);
        Picture[5].Frame = Card[5];
        Timers.SetEnabled(5, false);
        EvaluateHand();
        PresetHolds();
        Deal1.Visible = false;
        Deal2.Visible = true;
        Deal2.Enabled = true;
        Cancel.Visible = true;
        Panel.Caption = kKeepCaption;
        SetFocus(&PokerState::Deal2);
        MousePointer = kDefaultPointer;
    } else if (IsDraw(*this)) {
        if (!Hold[5].Visible) {
            DrawCard(5);
            Picture[5].Frame = Card[5];
        }
        Timers.SetEnabled(kResultTimer, true);
        Timers.SetEnabled(5, false);
        MousePointer = kDefaultPointer;
    }
}

}  // namespace velmora
