#pragma once

#include <array>
#include <cstdint>

#include "strategy/hand_class.h"
#include "strategy/pays.h"

namespace velmora::strategy {

// A deal: five distinct card codes, slots 1..5 at indices 0..4.
using Deal = std::array<int, 5>;

// A hold is a number 0..31: it keeps slot N when bit N-1 is set, so 0 draws
// five new cards and 31 keeps the deal.
inline constexpr int kHoldCount = 32;
constexpr bool Keeps(int hold, int slot) { return ((hold >> (slot - 1)) & 1) != 0; }

using HoldValueSet = std::array<double, kHoldCount>;

// The exact expected pay, in credits per credit bet, of each hold, the
// replacements drawn evenly from the 47 cards not in the deal. Throws
// std::invalid_argument unless the deal is five distinct card codes.
HoldValueSet HoldValues(const Deal& deal, const Pays& pays);

// The hold with the highest value. Of holds within 1e-9 of it, the one that
// keeps the most cards, then the lowest hold number.
int BestHold(const HoldValueSet& values);

// How many of the possible draws after `hold` end in each class; they add up
// to C(47, cards drawn). Throws std::invalid_argument as HoldValues does, or
// for a hold outside 0..31.
PerClass<std::int64_t> FinalHandCounts(const Deal& deal, int hold);

// Builds the tables HoldValues uses (11.2 MiB, some tenths of a second) if
// not yet built. Otherwise the first call of HoldValues or FinalHandCounts
// builds them. Safe to call from any thread, for example a worker thread at
// start-up; a call made while they are being built waits for them.
void WarmUp();

}  // namespace velmora::strategy
