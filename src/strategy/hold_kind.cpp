#include "strategy/hold_kind.h"

#include <bit>
#include <stdexcept>

#include "table/card_code.h"

namespace velmora::strategy {
namespace {

constexpr unsigned RankBit(int rank) { return 1u << (rank - 1); }
constexpr unsigned kRoyalRanks = RankBit(kAce) | RankBit(kTen) | RankBit(kJack) | RankBit(kQueen) | RankBit(kKing);
constexpr bool IsHigh(int rank) { return rank == kAce || rank >= kJack; }

// How many of the ten straights (A2345 up to TJQKA) hold every rank of `ranks`.
int StraightsHolding(unsigned ranks) {
    int ways = 0;
    for (int low = 1; low <= 10; ++low) {
        unsigned straight = 0;
        for (int rank = low; rank < low + 5; ++rank) straight |= RankBit(rank == 14 ? kAce : rank);
        ways += (ranks & ~straight) == 0;
    }
    return ways;
}

StraightGaps GapsOf(int cards, int ways) {
    if (ways >= 5 - cards + 1) return StraightGaps::Open;  // 4 cards: 2 ways; 3 cards: 3 ways
    return ways == 5 - cards ? StraightGaps::Inside : StraightGaps::DoubleInside;
}

HoldKind MadeHand(HandClass made) {
    HoldKind kind;
    kind.shape = HoldShape::MadeHand;
    kind.made = made;
    return kind;
}

HoldKind OfShape(HoldShape shape) {
    HoldKind kind;
    kind.shape = shape;
    return kind;
}

}  // namespace

HoldKind KindOf(const Deal& deal, int hold) {
    if (hold < 0 || hold >= kHoldCount) throw std::invalid_argument("not a hold number");
    for (int i = 0; i < 5; ++i) {
        if (!IsCardCode(deal[i])) throw std::invalid_argument("not a card code");
        for (int j = 0; j < i; ++j)
            if (deal[i] == deal[j]) throw std::invalid_argument("a card dealt twice");
    }
    int cards = 0, highCards = 0, most = 0;
    int count[14] = {};
    unsigned ranks = 0;
    bool suited = true;
    int suit = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        if (!Keeps(hold, slot)) continue;
        const int code = deal[slot - 1];
        const int rank = RankOf(code);
        suited = suited && (cards == 0 || BlockOf(code) == suit);
        suit = BlockOf(code);
        ++cards;
        most = std::max(most, ++count[rank]);
        highCards += IsHigh(rank) && count[rank] == 1;
        ranks |= RankBit(rank);
    }
    if (cards == 0) return OfShape(HoldShape::DrawFive);

    const int distinct = std::popcount(ranks);
    if (distinct < cards) {  // some rank held twice or more
        if (cards == 2) return OfShape(highCards == 1 ? HoldShape::HighPair : HoldShape::LowPair);
        if (cards == 3 && most == 3) return OfShape(HoldShape::ThreeOfAKind);
        if (cards == 4 && most == 4) return MadeHand(HandClass::FourOfAKind);
        if (cards == 4 && distinct == 2) return OfShape(HoldShape::TwoPairs);
        if (cards == 5 && distinct == 2 && most == 3) return MadeHand(HandClass::FullHouse);
        return OfShape(HoldShape::Other);
    }
    if (cards == 5) {
        const HandClass made = ClassOf(deal);
        return made >= HandClass::Straight ? MadeHand(made) : OfShape(HoldShape::Other);
    }

    HoldKind kind;
    kind.cards = cards;
    const int ways = StraightsHolding(ranks);
    const bool royalRanks = (ranks & ~kRoyalRanks) == 0;
    if (cards >= 3 && suited) {
        if (royalRanks) {
            kind.shape = HoldShape::ToRoyalFlush;
            return kind;
        }
        kind.shape = ways > 0 ? HoldShape::ToStraightFlush : HoldShape::ToFlush;
    } else if (royalRanks && (cards <= 2 || !(ranks & RankBit(kTen)))) {
        kind.shape = HoldShape::HighCards;
        kind.ranks = ranks;
        kind.suited = cards >= 2 && suited;
        return kind;
    } else if (cards >= 3 && ways > 0) {
        kind.shape = HoldShape::ToStraight;
    } else {
        return OfShape(HoldShape::Other);
    }
    kind.highCards = highCards;
    if (kind.shape != HoldShape::ToFlush) kind.gaps = GapsOf(cards, ways);
    return kind;
}

HoldKind CoarseKind(const HoldKind& kind) {
    HoldKind coarse = kind;
    switch (kind.shape) {
    case HoldShape::ToStraightFlush:
    case HoldShape::ToFlush:
    case HoldShape::ToStraight:
        coarse.highCards = -1;
        break;
    case HoldShape::HighCards:
        if (!(kind.ranks & RankBit(kTen))) coarse.ranks = 0;
        break;
    case HoldShape::MadeHand:
        coarse.made = HandClass::Nothing;
        break;
    default:
        break;
    }
    return coarse;
}

HoldKind AnyGapsKind(const HoldKind& kind) {
    HoldKind coarse = CoarseKind(kind);
    if (kind.shape == HoldShape::ToStraightFlush || kind.shape == HoldShape::ToStraight) coarse.gaps = StraightGaps::Any;
    return coarse;
}

bool Matches(const HoldKind& line, const HoldKind& kind) {
    return line == kind || line == CoarseKind(kind) || line == AnyGapsKind(kind);
}

char RankLetter(int rank) {
    static constexpr char kLetters[] = "?A23456789TJQK";
    return rank >= 1 && rank <= 13 ? kLetters[rank] : '?';
}

std::string KindName(const HoldKind& kind) {
    const std::string cards = std::to_string(kind.cards);
    const auto withHighCards = [&](std::string name) {
        if (kind.highCards < 0) return name;
        if (kind.highCards == 0) return name + " with no high cards";
        return name + " with " + std::to_string(kind.highCards) + (kind.highCards == 1 ? " high card" : " high cards");
    };
    const auto straight = [&](const char* what) {
        static constexpr const char* kGaps[] = {"an outside", "an inside", "a double inside", "a"};
        return withHighCards(cards + " to " + kGaps[static_cast<int>(kind.gaps)] + " " + what);
    };
    switch (kind.shape) {
    case HoldShape::DrawFive: return "draw five";
    case HoldShape::MadeHand: {
        static constexpr const char* kMade[] = {"straight or better",  "high pair",  "two pairs",      "three of a kind",
                                                "straight", "flush",      "full house",     "four of a kind",
                                                "straight flush", "royal flush"};
        return kMade[Index(kind.made)];
    }
    case HoldShape::HighPair: return "high pair";
    case HoldShape::LowPair: return "low pair";
    case HoldShape::TwoPairs: return "two pairs";
    case HoldShape::ThreeOfAKind: return "three of a kind";
    case HoldShape::ToRoyalFlush: return cards + " to a royal flush";
    case HoldShape::ToStraightFlush: return straight("straight flush");
    case HoldShape::ToFlush: return withHighCards(cards + " to a flush");
    case HoldShape::ToStraight: return straight("straight");
    case HoldShape::HighCards: {
        std::string name = kind.suited ? "suited " : "";
        if (kind.ranks == 0)
            return name + cards + (kind.cards == 1 ? " high card" : " high cards");
        for (const int rank : {kAce, kKing, kQueen, kJack, kTen})
            if (kind.ranks & RankBit(rank)) name += RankLetter(rank);
        return name;
    }
    case HoldShape::Other: return "other holds";
    }
    return "";
}

}  // namespace velmora::strategy
