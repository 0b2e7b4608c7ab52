#pragma once

#include <map>

#include "strategy/chart.h"
#include "strategy/hold_values.h"
#include "table/random_source.h"

// Practice deals: five cards from a shuffled deck of its own, apart from the
// game. They can lean towards the chart lines the player has missed and
// towards close decisions, by keeping each shuffled deal with a chance
// proportional to its weight: a deal whose line was missed counts
// kMissedWeight times, a close decision kCloseWeight times (both:
// their product). Plain deals keep every shuffled deal.

namespace velmora::session {

inline constexpr int kMissedWeight = 4;
inline constexpr int kCloseWeight = 2;
// A close decision: the best hold beats the next by less than this, in
// credits per credit bet on a shuffled deck.
inline constexpr double kCloseGap = 0.05;

// The best hold's value less the next best's.
double BestMargin(const strategy::HoldValueSet& values);

struct PracticeDeal {
    strategy::Deal deal{};
    strategy::HoldValueSet values{};  // shuffled deck
    int best = 0;                     // strategy::BestHold
    int line = 0;                     // the line the chart reads (1-based), 0 for none
};

class PracticeDealer {
public:
    PracticeDealer(strategy::Chart chart, const strategy::Pays& pays, RandomSource& random);

    void SetLeaning(bool lean) { lean_ = lean; }
    bool Leaning() const { return lean_; }
    // The player did not take the best hold on a deal of this line.
    void Missed(int line) { ++missed_[line]; }
    // Each missed line and how often.
    const std::map<int, int>& MissedLines() const { return missed_; }
    const strategy::Chart& Chart() const { return chart_; }

    // The weight a leaning dealer gives a deal, 1 to kMissedWeight * kCloseWeight.
    int Weight(const PracticeDeal& deal) const;
    PracticeDeal Next();

private:
    PracticeDeal Shuffled();

    strategy::Chart chart_;
    strategy::Pays pays_;
    RandomSource& random_;
    bool lean_ = true;
    std::map<int, int> missed_;
};

// The practice record: hands, best holds found, credits given up.
struct PracticeTally {
    int hands = 0;
    int bestFound = 0;
    double givenUp = 0;  // credits per credit bet, summed over the hands

    // Records a hold on a deal; returns what it gave up.
    double Record(const PracticeDeal& deal, int hold);
    double GivenUpPerHundred() const { return hands > 0 ? 100 * givenUp / hands : 0; }
};

}  // namespace velmora::session
