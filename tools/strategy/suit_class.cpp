#include "suit_class.h"

#include <algorithm>

#include "table/card_code.h"

namespace velmora::strategy_tool {

int SuitClass::ToRepresentative(int hold) const {
    int mapped = 0;
    for (int slot = 0; slot < 5; ++slot)
        if ((hold >> slot) & 1) mapped |= 1 << representativeSlot[slot];
    return mapped;
}

int SuitClass::FromRepresentative(int hold) const {
    int mapped = 0;
    for (int slot = 0; slot < 5; ++slot)
        if ((hold >> representativeSlot[slot]) & 1) mapped |= 1 << slot;
    return mapped;
}

SuitClass SuitClassOf(const strategy::Deal& deal) {
    std::array<unsigned, 4> masks{};
    for (const int code : deal) masks[BlockOf(code) - 1] |= 1u << (RankOf(code) - 1);
    // The blocks by decreasing mask; equal masks keep their order, which
    // does not matter: either way the representative is the same.
    std::array<int, 4> order{0, 1, 2, 3};
    std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return masks[a] > masks[b]; });
    std::array<int, 4> newBlock{};
    SuitClass suitClass;
    for (int i = 0; i < 4; ++i) {
        newBlock[order[i]] = i + 1;
        suitClass.key = suitClass.key << 13 | masks[order[i]];
    }
    std::array<int, 5> renamed{};
    for (int slot = 0; slot < 5; ++slot)
        renamed[slot] = CardCode(newBlock[BlockOf(deal[slot]) - 1], RankOf(deal[slot]));
    suitClass.representative = renamed;
    std::sort(suitClass.representative.begin(), suitClass.representative.end());
    for (int slot = 0; slot < 5; ++slot)
        suitClass.representativeSlot[slot] = int(
            std::find(suitClass.representative.begin(), suitClass.representative.end(), renamed[slot]) -
            suitClass.representative.begin());
    return suitClass;
}

}  // namespace velmora::strategy_tool
