#pragma once

#include <cstdint>

#include "strategy/chart.h"

// How a chart reads a deal, shared by following a chart and working one out.
namespace velmora::strategy {

// A number that is higher for the hold with the higher cards: its ranks,
// highest first, the Ace high, compared in turn.
int CardsKey(const Deal& deal, int hold);

// The penalty cards a deal shows for an exception holding `instead` over the
// line's `lineHold`: bit 3 * rank + relation (rank 0 for any rank, relation
// as SuitRelation) is set when a card that `instead` does not keep has that
// rank and that relation to the reference suit.
using DiscardFacts = std::uint64_t;
DiscardFacts FactsOf(const Deal& deal, int instead, int lineHold);
constexpr int FactBit(int rank, SuitRelation suit) { return 3 * rank + static_cast<int>(suit); }

// Whether the facts make every one of `when` true.
bool Holds(const std::vector<PenaltyCard>& when, DiscardFacts facts);

}  // namespace velmora::strategy
