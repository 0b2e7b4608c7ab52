#include "session/table_reading.h"

#include "strategy/pays.h"

namespace velmora::session {

strategy::Deal DealOf(const Poker& game) {
    strategy::Deal deal{};
    for (int slot = 1; slot <= kSlotCount; ++slot) deal[static_cast<std::size_t>(slot - 1)] = game.State().Card[slot];
    return deal;
}

strategy::PreviousCards PreviousOf(const Poker& game) {
    strategy::PreviousCards previous{};
    for (int slot = 1; slot <= kSlotCount; ++slot) previous[static_cast<std::size_t>(slot - 1)] = game.State().OldCard[slot];
    return previous;
}

namespace {
// The hold number of the slots `held` says are kept.
template <class Held>
int HoldNumber(Held held) {
    int hold = 0;
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (held(slot)) hold |= 1 << (slot - 1);
    return hold;
}
}  // namespace

int HoldOf(const Poker& game) {
    return HoldNumber([&](int slot) { return game.State().Hold[slot].Visible; });
}

// While the player holds, the line the deal makes is still lit, as the hold
// analysis reads it.
int SuggestedHold(const Poker& game) {
    const Slots<bool> held = game.PresetHoldsPreview();
    return HoldNumber([&](int slot) { return held[slot]; });
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
        if (IsMarked(game.State().*line.member)) return ClassOfLine(line);
    return strategy::HandClass::Nothing;
}

}  // namespace velmora::session
