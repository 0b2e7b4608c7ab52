#include "strategy/hand_class.h"

#include <bit>

#include "table/card_code.h"

namespace velmora::strategy {
namespace {

// Rank r (1..13) is bit r-1 of a rank mask.
constexpr unsigned RankBit(int rank) { return 1u << (rank - 1); }
constexpr unsigned kAceHighRun = RankBit(kAce) | RankBit(kTen) | RankBit(kJack) | RankBit(kQueen) | RankBit(kKing);

// Five different ranks in a row, the Ace low (A2345) or high (TJQKA).
bool IsRun(unsigned mask) {
    if (mask == kAceHighRun) return true;
    const unsigned lowest = mask & -mask;
    return mask == lowest * 0b11111u;
}

}  // namespace

HandClass ClassOf(const std::array<int, 5>& codes) {
    int count[14] = {};
    unsigned mask = 0;
    bool flush = true;
    for (const int code : codes) {
        ++count[RankOf(code)];
        mask |= RankBit(RankOf(code));
        flush = flush && BlockOf(code) == BlockOf(codes[0]);
    }
    switch (std::popcount(mask)) {
    case 5:
        if (IsRun(mask)) {
            if (!flush) return HandClass::Straight;
            return mask == kAceHighRun ? HandClass::RoyalFlush : HandClass::StraightFlush;
        }
        return flush ? HandClass::Flush : HandClass::Nothing;
    case 4: {
        const bool high = count[kAce] == 2 || count[kJack] == 2 || count[kQueen] == 2 || count[kKing] == 2;
        return high ? HandClass::JacksOrBetter : HandClass::Nothing;
    }
    case 3:
        for (const int n : count)
            if (n == 3) return HandClass::ThreeOfAKind;
        return HandClass::TwoPairs;
    default:  // two ranks: 4 + 1 or 3 + 2
        for (const int n : count)
            if (n == 4) return HandClass::FourOfAKind;
        return HandClass::FullHouse;
    }
}

}  // namespace velmora::strategy
