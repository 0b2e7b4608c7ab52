#include "table/hand_phase.h"

namespace velmora {

// Deal1 shows from the end of a hand to its deal, Deal2 from the deal to the
// result; DoubleB while a win is offered; the double-up shows none of them.
HandPhase PhaseOf(const PokerState& table) {
    if (table.Deal1.Visible) return table.Deal1.Enabled ? HandPhase::Ready : HandPhase::Dealing;
    if (table.Deal2.Visible) return table.Deal2.Enabled ? HandPhase::Holding : HandPhase::Drawing;
    if (table.DoubleB.Visible) return HandPhase::Offered;
    return HandPhase::DoublingUp;
}

}  // namespace velmora
