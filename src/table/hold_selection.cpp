#include "table/hand_phase.h"
#include "table/poker.h"

namespace velmora {

// A click on a card toggles its HOLD marker, the hold itself. Releasing works
// whenever a marker shows; holding only once a dealt hand waits for the draw.
void Poker::Label_Click(int slot) {
    const HandPhase phase = PhaseOf(*this);
    if (phase == HandPhase::Offered || phase == HandPhase::DoublingUp) return;
    if (MousePointer == kHourglass) return;  // a pass of the reveal chain is running
    if (Hold[slot].Visible) {
        Hold[slot].Visible = false;
        return;
    }
    if (phase == HandPhase::Ready || phase == HandPhase::Dealing) return;  // no dealt hand yet
    Hold[slot].Visible = true;
}

void Poker::Cancel_Click() {
    for (Label& hold : Hold) hold.Visible = false;
}

}  // namespace velmora
