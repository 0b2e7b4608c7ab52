#include <array>
#include <initializer_list>

#include "table/control_table.h"
#include "table/card_code.h"
#include "table/poker.h"

// After a deal, the game shows HOLD over the cards worth keeping: a made
// five-card hand whole, four or three of a kind, and every pair. Equal ranks
// are found from slot patterns: the sum of the weights of the slots that hold
// a rank. The 31 possible sets of slots give 31 different sums.

namespace velmora {
namespace {

constexpr Slots<int> kSlotWeight = [] {
    Slots<int> weights;
    const int w[] = {1, 3, 5, 10, 20};
    for (int slot = 1; slot <= kSlotCount; ++slot) weights[slot] = w[slot - 1];
    return weights;
}();

// The slots of a rank and their pattern, the sum of their weights.
struct SlotPattern {
    std::array<int, 4> slots;  // 0 marks an unused place
    int count;
    int value;
};

constexpr SlotPattern Of(int a, int b, int c = 0, int d = 0) {
    const int count = d ? 4 : c ? 3 : 2;
    const int slots[] = {a, b, c, d};
    int value = 0;
    for (int i = 0; i < count; ++i) value += kSlotWeight[slots[i]];
    return SlotPattern{{a, b, c, d}, count, value};
}

// Each group in the order its patterns are tried.
constexpr std::array kFourOfAKind = {Of(1, 2, 3, 4), Of(2, 3, 4, 5), Of(1, 2, 3, 5), Of(1, 3, 4, 5),
                                     Of(1, 2, 4, 5)};
constexpr std::array kThreeOfAKind = {Of(1, 2, 3), Of(2, 3, 4), Of(3, 4, 5), Of(1, 2, 4), Of(2, 3, 5),
                                      Of(1, 3, 4), Of(1, 2, 5), Of(1, 3, 5), Of(1, 4, 5), Of(2, 4, 5)};
constexpr std::array kPair = {Of(1, 2), Of(2, 3), Of(3, 4), Of(4, 5), Of(1, 3),
                              Of(1, 4), Of(1, 5), Of(2, 4), Of(2, 5), Of(3, 5)};

static_assert(kFourOfAKind[0].value == 19 && kFourOfAKind[4].value == 34);
static_assert(kThreeOfAKind[0].value == 9 && kThreeOfAKind[9].value == 33);
static_assert(kPair[0].value == 4 && kPair[3].value == 30 && kPair[9].value == 25);

// Which pattern values some rank has: no pattern exceeds 1+3+5+10+20 = 39.
using PresentPatterns = std::array<bool, 40>;

PresentPatterns PatternsOf(const PokerState& form) {
    PresentPatterns present{};
    for (const std::int16_t slots : form.RankSlots) present[static_cast<std::size_t>(slots)] = true;
    return present;
}

bool Present(const PresentPatterns& present, const SlotPattern& pattern) {
    return present[static_cast<std::size_t>(pattern.value)];
}

void Show(PokerState& form, const SlotPattern& pattern) {
    for (int i = 0; i < pattern.count; ++i) form.Hold[pattern.slots[static_cast<std::size_t>(i)]].Visible = true;
}

template <std::size_t N>
bool ShowFirstPresent(PokerState& form, const PresentPatterns& present, const std::array<SlotPattern, N>& group) {
    for (const SlotPattern& pattern : group) {
        if (Present(present, pattern)) {
            Show(form, pattern);
            return true;
        }
    }
    return false;
}

void ShowAll(PokerState& form) {
    for (Label& hold : form.Hold) hold.Visible = true;
}

}  // namespace

void Poker::PresetHolds() {
    RankSlots.fill(0);
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (IsCardCode(Card[slot])) RankSlots[RankOf(Card[slot])] += static_cast<std::int16_t>(kSlotWeight[slot]);

    const PresentPatterns present = PatternsOf(*this);

    if (IsMarked(Royal) || IsMarked(SFlush)) return ShowAll(*this);
    if (ShowFirstPresent(*this, present, kFourOfAKind)) return;
    if (IsMarked(Full) || IsMarked(Flush) || IsMarked(Straight)) return ShowAll(*this);
    if (ShowFirstPresent(*this, present, kThreeOfAKind)) return;
    for (const SlotPattern& pair : kPair)
        if (Present(present, pair)) Show(*this, pair);
}

}  // namespace velmora
