#pragma once

#include <array>
#include <cstddef>

namespace velmora::strategy {

// The classes a final Jacks or Better hand falls in, from the one that pays
// nothing up to the royal flush. A pair below Jacks is Nothing.
enum class HandClass {
    Nothing,
    JacksOrBetter,
    TwoPairs,
    ThreeOfAKind,
    Straight,
    Flush,
    FullHouse,
    FourOfAKind,
    StraightFlush,
    RoyalFlush,
};
inline constexpr int kHandClassCount = 10;

constexpr std::size_t Index(HandClass handClass) { return static_cast<std::size_t>(handClass); }

// One value for each hand class, indexed by Index(class).
template <class T>
using PerClass = std::array<T, kHandClassCount>;

// The class of five distinct card codes (1..52, see table/card_code.h).
// The Ace plays high and low in straights: A2345 and TJQKA, not QKA23.
HandClass ClassOf(const std::array<int, 5>& codes);

}  // namespace velmora::strategy
