#pragma once

#include "strategy/hand_class.h"

namespace velmora::strategy {

// A pay table: what each hand class pays per credit bet. Nothing pays 0.
struct Pays {
    PerClass<int> credits{};

    constexpr int operator[](HandClass handClass) const { return credits[Index(handClass)]; }
};

constexpr Pays MakePays(int royalFlush, int straightFlush, int fourOfAKind, int fullHouse, int flush, int straight,
                        int threeOfAKind, int twoPairs, int jacksOrBetter) {
    return Pays{{0, jacksOrBetter, twoPairs, threeOfAKind, straight, flush, fullHouse, fourOfAKind, straightFlush,
                 royalFlush}};
}

// Velmora's own table.
constexpr Pays GamePays() { return MakePays(300, 50, 20, 8, 5, 4, 3, 2, 1); }
// The common casino tables, at the 800 royal of a maximum bet.
constexpr Pays NineSixPays() { return MakePays(800, 50, 25, 9, 6, 4, 3, 2, 1); }
constexpr Pays EightFivePays() { return MakePays(800, 50, 25, 8, 5, 4, 3, 2, 1); }

}  // namespace velmora::strategy
