#include "session/practice_deals.h"

#include <algorithm>
#include <numeric>
#include <utility>

#include "session/hold_advice.h"
#include "table/card_code.h"

namespace velmora::session {

double BestMargin(const strategy::HoldValueSet& values) {
    const int best = strategy::BestHold(values);
    double next = -1;
    for (int hold = 0; hold < strategy::kHoldCount; ++hold)
        if (hold != best) next = std::max(next, values[static_cast<std::size_t>(hold)]);
    return values[static_cast<std::size_t>(best)] - next;
}

PracticeDealer::PracticeDealer(strategy::Chart chart, const strategy::Pays& pays, RandomSource& random)
    : chart_(std::move(chart)), pays_(pays), random_(random) {}

int PracticeDealer::Weight(const PracticeDeal& deal) const {
    return (missed_.contains(deal.line) ? kMissedWeight : 1) * (BestMargin(deal.values) < kCloseGap ? kCloseWeight : 1);
}

PracticeDeal PracticeDealer::Next() {
    constexpr int most = kMissedWeight * kCloseWeight;
    for (;;) {
        PracticeDeal deal = Shuffled();
        if (!lean_ || ScaleRoll(random_.Next(), most) <= Weight(deal)) return deal;
    }
}

// The first five cards of a deck shuffled by a partial Fisher-Yates.
PracticeDeal PracticeDealer::Shuffled() {
    std::array<int, kCardCount> deck{};
    std::iota(deck.begin(), deck.end(), 1);
    PracticeDeal deal;
    for (int i = 0; i < 5; ++i) {
        const int pick = i + ScaleRoll(random_.Next(), kCardCount - i) - 1;
        std::swap(deck[static_cast<std::size_t>(i)], deck[static_cast<std::size_t>(pick)]);
        deal.deal[static_cast<std::size_t>(i)] = deck[static_cast<std::size_t>(i)];
    }
    deal.values = strategy::HoldValues(deal.deal, pays_);
    deal.best = strategy::BestHold(deal.values);
    deal.line = strategy::Follow(chart_, deal.deal).line;
    return deal;
}

double PracticeTally::Record(const PracticeDeal& deal, int hold) {
    const double cost = std::max(0.0, deal.values[static_cast<std::size_t>(deal.best)] -
                                          deal.values[static_cast<std::size_t>(hold)]);
    ++hands;
    if (cost <= kSameValue) ++bestFound;
    else givenUp += cost;
    return cost;
}

}  // namespace velmora::session
