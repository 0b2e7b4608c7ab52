#pragma once

#include <array>
#include <vector>

#include "strategy/hold_values.h"

// The table has no deck. Its draw fills the drawn slots from left to right,
// each from the cards its exclusion set allows at that moment: every card of
// the deal, every card drawn before it, and the previous card (OldCard) of
// each slot to its left. For a drawn slot that is its own discard; for a
// held slot it is the card that slot showed before the deal, which therefore
// cannot come into any drawn slot to the right of it.
namespace velmora::strategy {

// OldCard1..OldCard5 as the deal leaves them, slots 1..5 at indices 0..4: the
// card each slot showed before the deal. A value outside 1..52 (0 before the
// first hand) keeps nothing out.
using PreviousCards = std::array<int, 5>;

// The exact expected pay of each hold under the table's draw, in credits per
// credit bet. With no previous cards (all 0) they are the HoldValues. Throws
// std::invalid_argument unless the deal is five distinct card codes.
HoldValueSet TableHoldValues(const Deal& deal, const PreviousCards& previous, const Pays& pays);

// A card the table's draw keeps out of some drawn slots of a hold although a
// shuffled deck could give it there: the previous card of held slot
// `heldSlot` (1..5), barred from the drawn slots right of it. `drawnSlots` has bit
// N-1 set for each drawn slot N it cannot come into.
struct BarredCard {
    int card;
    int heldSlot;
    int drawnSlots;
};

// The barred cards of a hold, left to right by held slot; empty when the
// table's draw values this hold as a shuffled deck does. Throws as
// TableHoldValues does, or for a hold outside 0..31.
std::vector<BarredCard> BarredCards(const Deal& deal, const PreviousCards& previous, int hold);

// The chance of each final hand class after `hold` under the table's draw.
PerClass<double> TableFinalOdds(const Deal& deal, const PreviousCards& previous, int hold);

}  // namespace velmora::strategy
