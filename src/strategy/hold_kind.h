#pragma once

#include <string>

#include "strategy/hand_class.h"
#include "strategy/hold_values.h"

namespace velmora::strategy {

// What a hold keeps, as players sort holds when they learn a strategy chart.
enum class HoldShape {
    DrawFive,         // nothing held
    MadeHand,         // a paying hand of five cards, or four of a kind: `made`
    HighPair,         // a pair of Jacks, Queens, Kings or Aces
    LowPair,          // a pair of Twos to Tens
    TwoPairs,
    ThreeOfAKind,
    ToRoyalFlush,     // `cards` (3 or 4) of one suit from Ten to Ace
    ToStraightFlush,  // `cards` (3 or 4) of one suit that can make a straight flush
    ToFlush,          // `cards` (3 or 4) of one suit
    ToStraight,       // `cards` (3 or 4) different ranks that can make a straight
    HighCards,        // cards named by rank: "KQJ", "suited QJ", "J", "AKQJ" (see KindOf)
    Other,            // anything else: a kicker kept with a pair, a lone low card...
};

// How many straights a straight draw can still make. Four cards: Open (two
// ways, "outside" or "open-ended") or Inside (one way). Three cards: Open
// (three ways), Inside (two) or DoubleInside (one). Any: a chart line for
// straight draws of every kind.
enum class StraightGaps { Open, Inside, DoubleInside, Any };

// The class of one hold. Only the fields that its shape names are set; the
// rest keep their defaults, so two kinds are the same class exactly when all
// their fields are equal.
struct HoldKind {
    HoldShape shape = HoldShape::DrawFive;
    HandClass made = HandClass::Nothing;      // MadeHand: the hand kept
    int cards = 0;                            // the cards held (ToRoyalFlush ... HighCards)
    StraightGaps gaps = StraightGaps::Open;   // ToStraightFlush, ToStraight
    int highCards = -1;                       // ToStraightFlush, ToFlush, ToStraight: Jacks to Aces held
    unsigned ranks = 0;                       // HighCards: bit r-1 for each rank r held (1 = Ace ... 13 = King)
    bool suited = false;                      // HighCards: two or three cards all of one suit

    friend bool operator==(const HoldKind&, const HoldKind&) = default;
};

// The kind of `hold` (0..31) on `deal`. Three or four cards of one suit are a
// royal flush, straight flush or flush draw; otherwise up to four different
// ranks from Jack to Ace, or one or two from Ten to Ace, are HighCards
// (suited when two or more, all of one suit); three or four different ranks
// that fit in a straight are a straight draw. Throws std::invalid_argument
// unless the deal is five distinct card codes and the hold is 0..31.
HoldKind KindOf(const Deal& deal, int hold);

// A coarser kind for shorter charts: straight and flush draws with any
// number of high cards (highCards -1), high cards from Jack to Ace by their
// count and suitedness but not their ranks (ranks 0), and any made hand
// ("straight or better": made Nothing).
HoldKind CoarseKind(const HoldKind& kind);

// Coarser still: the coarse kind, straight draws also with any gaps.
HoldKind AnyGapsKind(const HoldKind& kind);

// Whether a hold of kind `kind` belongs to the chart line of kind `line`:
// the same kind, its coarse kind or its any-gaps kind.
bool Matches(const HoldKind& line, const HoldKind& kind);

// The kind as players say it, in English: "4 to a royal flush", "high pair",
// "3 to an inside straight flush with 1 high card", "suited QJ", "KQJ",
// "draw five". Every word comes from the fields above.
std::string KindName(const HoldKind& kind);

// A rank as players write it on a chart: "A", "2" ... "9", "T", "J", "Q", "K".
char RankLetter(int rank);

}  // namespace velmora::strategy
