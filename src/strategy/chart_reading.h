#pragma once

#include <bitset>

#include "strategy/chart.h"

// How a chart reads a deal, shared by following a chart and working one out.
namespace velmora::strategy {

// A number that is higher for the hold with the higher cards: its ranks,
// highest first, the Ace high, compared in turn.
int CardsKey(const Deal& deal, int hold);

// The penalty cards a deal shows for an exception holding `instead` over the
// line's `lineHold`: the bit of each PenaltyCard (present) that some card
// `lineHold` throws away is, its suit taken relative to the cards `instead`
// keeps when they are all of one suit, else to those `lineHold` keeps.
using DiscardFacts = std::bitset<176>;
DiscardFacts FactsOf(const Deal& deal, int instead, int lineHold);
constexpr int FactBit(const PenaltyCard& card) {
    if (card.held) return 80 + card.rank;
    if (card.two) return 96 + FactBit({card.rank, card.orLower, card.suit});
    return (card.orLower ? 42 + 3 * (card.rank - 3) : 3 * card.rank) + static_cast<int>(card.suit);
}

// Whether the facts make every one of `when` true.
bool Holds(const std::vector<PenaltyCard>& when, const DiscardFacts& facts);

}  // namespace velmora::strategy
