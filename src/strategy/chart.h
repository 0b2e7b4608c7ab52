#pragma once

#include <string>
#include <vector>

#include "strategy/hold_kind.h"
#include "strategy/pays.h"

// Strategy charts: ordered lists of hold kinds. A player reads down the list
// and holds the first kind the deal has. When a deal has two holds of the
// line's kind, the one with the higher cards is taken (its ranks compared
// highest first, the Ace high).
namespace velmora::strategy {

enum class ChartType {
    Basic,     // hold kinds in order and nothing else
    Exact,     // the basic chart with exceptions that make it play every deal perfectly
    Beginner,  // at most ten lines of coarse kinds
};

// How a discard's suit stands to the cards the exception holds (or, when
// those are not all of one suit, to the cards the line holds).
enum class SuitRelation { Any, Suited, Offsuit };

// A card among the discards (the cards the line's hold throws away), or the
// absence of any such card: "a discard is a suited T", "no discard is a 9",
// "a discard is an offsuit 7 or lower", "two discards are offsuit 7 or
// lower"; or, `held`, a card among those the line's hold keeps: "a held card
// is an A" (any suit).
struct PenaltyCard {
    int rank = 0;          // 1 (Ace) .. 13 (King); 0 for any rank
    bool orLower = false;  // with rank 3..10: any rank from 2 up to `rank`
    SuitRelation suit = SuitRelation::Any;
    bool present = true;   // false: no discard is such a card
    bool held = false;
    bool two = false;      // at least two discards are such cards

    friend bool operator==(const PenaltyCard&, const PenaltyCard&) = default;
};

// Hold `hold` instead of the line's kind when every one of `when` is true.
struct ChartException {
    HoldKind hold;
    std::vector<PenaltyCard> when;
};

struct ChartLine {
    HoldKind kind;
    double frequency = 0;  // of all deals, the share where perfect play holds this kind
    double value = 0;      // the average value of those holds, per credit bet, shuffled deck
    std::vector<ChartException> exceptions;
};

struct Chart {
    ChartType type = ChartType::Basic;
    std::vector<ChartLine> lines;
    double expectedReturn = 0;  // following the chart on every deal, per credit bet
    double perfectReturn = 0;   // perfect play, per credit bet
};

// Basic, exact and beginner charts worked out together (they share the
// values of every hold of every deal).
struct Charts {
    Chart basic;
    Chart exact;
    Chart beginner;

    const Chart& Of(ChartType type) const;
};

// The charts for a pay table, from the exact shuffled-deck values of all
// 2,598,960 deals. The same pays give the same charts.
Charts DeriveCharts(const Pays& pays);

// What a chart holds on a deal: the hold (0..31), the chart line it read
// (1-based) and the exception it applied, if any (0-based index into that
// line's exceptions, or -1).
struct ChartPick {
    int hold = 0;
    int line = 0;
    int exception = -1;
};
ChartPick Follow(const Chart& chart, const Deal& deal);

// The line (1-based) of the chart that names the kind of `hold` on `deal`,
// or 0 when no line does.
int LineOf(const Chart& chart, const Deal& deal, int hold);

// Of the holds of `deal` that match `line`, the one a chart takes (the higher
// cards), or -1 when there is none.
int HoldOfKind(const Deal& deal, const HoldKind& line);

// English: "but hold suited QJ when a discard is the suited T",
// "... and no discard is a 9".
std::string ExceptionText(const ChartException& exception);

// English: "basic", "exact", "beginner".
const char* ChartTypeName(ChartType type);

}  // namespace velmora::strategy
