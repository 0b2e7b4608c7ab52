#pragma once

#include <array>
#include <cstdint>

#include "strategy/hold_values.h"

namespace velmora::strategy_tool {

// Deals that differ only by a renaming of the suits play alike. A deal's
// suit class is named by its four suit masks (the ranks it holds in each
// suit) in decreasing order; its representative is the deal with those
// masks in suit blocks 1 to 4, its cards in increasing order.
struct SuitClass {
    std::uint64_t key = 0;                // the four 13-bit masks, block 1's highest
    strategy::Deal representative{};      // increasing card codes
    std::array<int, 5> representativeSlot{};  // where each card of the deal is in it, 0..4

    // The hold of the representative that keeps the same cards as `hold`
    // of the deal, and back.
    int ToRepresentative(int hold) const;
    int FromRepresentative(int hold) const;
};

SuitClass SuitClassOf(const strategy::Deal& deal);

}  // namespace velmora::strategy_tool
