#include "table/card_code.h"
#include "table/poker.h"

namespace velmora {
namespace {

// The values a new card in `slot` must differ from: the cards now in the four
// other slots, the slot's own previous card, and the previous cards of the
// slots before it, all as they stand. Slots after it keep their previous
// cards out of the set. A 0 matches no card; a rank 1..13 left by the
// double-up matches the card code of the same number.
bool Excluded(const PokerState& form, int slot, std::int16_t code) {
    for (int other = 1; other <= kSlotCount; ++other)
        if (other != slot && form.Card[other] == code) return true;
    for (int earlier = 1; earlier <= slot; ++earlier)
        if (form.OldCard[earlier] == code) return true;
    return false;
}

}  // namespace

void Poker::DrawCard(int slot) {
    OldCard[slot] = Card[slot];
    do {
        Card[slot] = static_cast<std::int16_t>(ScaleRoll(Roll(), kCardCount));
    } while (Excluded(*this, slot, Card[slot]));
}

}  // namespace velmora
