#include "table/credit_text.h"
#include "table/poker.h"

// One hand up to its result: Deal charges a credit and turns the cards face
// down, then the reveal chain Timer1..Timer5 draws and turns up one slot
// after another. Which pass the chain runs is read from the Deal buttons:
// Deal1 shown means a deal, Deal2 shown means a draw.

namespace velmora {
namespace {
constexpr int kRevealInterval = 250;
constexpr int kHeldSlotInterval = 1;
}  // namespace

void Poker::Deal1_Click() {
    WinAmount = 0;
    Deal1.Enabled = false;
    MousePointer = kHourglass;
    for (CardControl& picture : Picture) picture.Frame = kCardBack;
    for (int timer = 1; timer <= kResultTimer; ++timer) Timers.SetInterval(timer, kRevealInterval);
    Score.Caption = WriteCredits(ReadCredits(Score.Caption) - 1);
    Timers.SetEnabled(1, true);
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
    Timers.SetEnabled(1, true);
}

void Poker::Timer_Timer(int slot) {
    if (Deal1.Visible) {
        DrawCard(slot);
        Picture[slot].Frame = Card[slot];
        Timers.SetEnabled(slot + 1, true);
        Timers.SetEnabled(slot, false);
    }
    if (Deal2.Visible) {
        if (!Hold[slot].Visible) {
            DrawCard(slot);
            Picture[slot].Frame = Card[slot];
        }
        Timers.SetEnabled(slot + 1, true);
        Timers.SetEnabled(slot, false);
    }
}

void Poker::Timer5_Timer() {
    if (Deal1.Visible) {
        DrawCard(5);
        Picture[5].Frame = Card[5];
        Timers.SetEnabled(5, false);
        EvaluateHand();
        PresetHolds();
        Deal1.Visible = false;
        Deal2.Visible = true;
        Deal2.Enabled = true;
        Cancel.Visible = true;
        Panel.Caption = "Click inside the card you want to keep";
        SetFocus(&Poker::Deal2);
        MousePointer = kDefaultPointer;
    } else if (Deal2.Visible) {
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
