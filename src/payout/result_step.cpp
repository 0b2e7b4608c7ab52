#include "payout/win_message.h"
#include "table/control_table.h"
#include "table/poker.h"

namespace velmora {

// The result of a hand, one tick of Timer6 after the last card of the draw:
// the final hand is evaluated afresh and its win offered, or the hand ends.
void Poker::Timer6_Timer() {
    for (Label& hold : Hold) hold.Visible = false;
    ClearPayHighlight();
    EvaluateHand();
    Deal2.Visible = false;

    const PayLineEntry* won = nullptr;
    for (const PayLineEntry& line : kPayLines)
        if (!won && IsMarked(this->*line.member)) won = &line;

    if (!won) {
        DisplayOver();
        Deal1.Visible = true;
        SetFocus(&PokerState::Deal1);
    } else {
        HandPay = won->points;
        WinAmount = static_cast<std::int16_t>(HandPay);
        Panel.Caption = WinMessage(HandPay);
        Take.Visible = true;
        DoubleB.Visible = true;
    }
    Timers.SetEnabled(kResultTimer, false);
}

}  // namespace velmora
