#pragma once

#include "strategy/hand_class.h"
#include "table/control_table.h"

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

// Velmora's own table, as the table's pay lines say it, from the top line down.
constexpr Pays GamePays() {
    static_assert(kPayLines[0].hand == "Royal Flush" && kPayLines[8].hand == "Jacks or Better");
    return MakePays(kPayLines[0].points, kPayLines[1].points, kPayLines[2].points, kPayLines[3].points,
                    kPayLines[4].points, kPayLines[5].points, kPayLines[6].points, kPayLines[7].points,
                    kPayLines[8].points);
}
// The common casino tables, at the 800 royal of a maximum bet.
constexpr Pays NineSixPays() { return MakePays(800, 50, 25, 9, 6, 4, 3, 2, 1); }
constexpr Pays EightFivePays() { return MakePays(800, 50, 25, 8, 5, 4, 3, 2, 1); }

}  // namespace velmora::strategy
