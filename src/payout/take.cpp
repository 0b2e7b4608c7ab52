#include "table/credit_text.h"
#include "table/control_table.h"
#include "table/poker.h"

namespace velmora {

// Moves the win into the credits and ends the hand.
void Poker::Take_Click() {
    if (Timers.Enabled(kCarryOverTimer)) Timer7_Timer();  // a pending carry-over is finished first
    MousePointer = kHourglass;
    DoubleB.Visible = false;
    Score.Caption = WriteCredits(ReadCredits(Score.Caption) + WinAmount);
    Small.Visible = false;
    Big.Visible = false;
    Take.Visible = false;
    ClearPayHighlight();
    Deal1.Visible = true;
    DisplayOver();
    SetFocus(&PokerState::Deal1);
    MousePointer = kDefaultPointer;
}

}  // namespace velmora
