#include "table/poker.h"

namespace velmora {

// A click on a card toggles its HOLD marker, the hold itself. Releasing works
// whenever a marker shows; holding only once a dealt hand waits for the draw.
void Poker::Label_Click(int slot) {
    if (Big.Visible) return;                    // the double-up is running
    if (MousePointer == kHourglass) return;     // a pass of the reveal chain is running
    if (Take.Visible) return;                   // a win is on offer
    if (Hold[slot].Visible) {
        Hold[slot].Visible = false;
        return;
    }
    if (Deal1.Visible) return;                  // no dealt hand waits for the draw
    Hold[slot].Visible = true;
}

void Poker::Cancel_Click() {
    for (Label& hold : Hold) hold.Visible = false;
}

}  // namespace velmora
