#pragma once

#include "strategy/hand_class.h"
#include "strategy/hold_values.h"
#include "strategy/pays.h"

namespace velmora::strategy {

// The long-run results of perfect play: every deal held as BestHold says.
struct PerfectPlayOdds {
    double expectedReturn = 0;       // credits back per credit bet
    PerClass<double> probability{};  // of each final hand class
};

// Plays all 2,598,960 deals perfectly, exactly: deals that differ only by a
// renaming of the suits are played once, weighted by how many they stand for
// (134,459 deals in all). About a second in an optimised build.
PerfectPlayOdds SweepPerfectPlay(const Pays& pays);

// How many deals `deal` stands for in such a sweep: 0 unless its suits'
// rank sets are in decreasing order (one deal of each suit class is played),
// otherwise the number of different deals its suit renamings give.
int DealsRepresented(const Deal& deal);

}  // namespace velmora::strategy
