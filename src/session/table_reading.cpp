#include "session/table_reading.h"

#include "strategy/pays.h"

namespace velmora::session {

HandPhase PhaseOf(const Poker& game) {
    if (game.Deal1.Visible) return game.Deal1.Enabled ? HandPhase::Ready : HandPhase::Dealing;
    if (game.Deal2.Visible) return game.Deal2.Enabled ? HandPhase::Holding : HandPhase::Drawing;
    if (game.DoubleB.Visible) return HandPhase::Offered;
    return HandPhase::DoublingUp;
}

strategy::Deal DealOf(const Poker& game) {
    strategy::Deal deal{};
    for (int slot = 1; slot <= kSlotCount; ++slot) deal[static_cast<std::size_t>(slot - 1)] = game.Card[slot];
    return deal;
}

strategy::PreviousCards PreviousOf(const Poker& game) {
    strategy::PreviousCards previous{};
    for (int slot = 1; slot <= kSlotCount; ++slot) previous[static_cast<std::size_t>(slot - 1)] = game.OldCard[slot];
    return previous;
}

int HoldOf(const Poker& game) {
    int hold = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (game.Hold[slot].Visible) hold |= 1 << (slot - 1);
    return hold;
}

// While the player holds, the line the deal makes is still lit, as the hold
// analysis reads it.
int SuggestedHold(const Poker& game) {
    Poker copy = game;
    for (Label& hold : copy.Hold) hold.Visible = false;
    copy.PresetHolds();
    return HoldOf(copy);
}

// Each line pays its own number of points: the class the strategy's copy
// of the pay table pays them for.
strategy::HandClass ClassOfLine(const PayLineEntry& line) {
    for (int c = 0; c < strategy::kHandClassCount; ++c) {
        const auto handClass = static_cast<strategy::HandClass>(c);
        if (strategy::GamePays()[handClass] == line.points) return handClass;
    }
    return strategy::HandClass::Nothing;
}

strategy::HandClass MadeClass(const Poker& game) {
    for (const PayLineEntry& line : kPayLines)
        if (IsMarked(game.*line.member)) return ClassOfLine(line);
    return strategy::HandClass::Nothing;
}

}  // namespace velmora::session
