#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <vector>

#include "strategy/hold_values.h"
#include "strategy/table_draw.h"

namespace velmora::session {

// Two holds whose values differ by no more than this are worth the same.
inline constexpr double kSameValue = 1e-9;

// The exact value of every hold of a deal under the game's pay table, as the
// table's own draw gives it (the previous cards of held slots cannot come
// into drawn slots right of them), and the holds from the best down.
struct HoldAdvice {
    strategy::Deal deal{};
    strategy::PreviousCards previous{};
    strategy::HoldValueSet values{};      // at this table
    strategy::HoldValueSet deckValues{};  // the same holds, drawn from a shuffled deck
    // Every hold, best first: by value, then (among equal values) the one
    // that keeps more cards, then the lower hold number. The first is
    // strategy::BestHold's choice.
    std::array<int, strategy::kHoldCount> ranking{};

    int Best() const { return ranking[0]; }
    double Value(int hold) const { return values[static_cast<std::size_t>(hold)]; }
    // The expected credits a hold gives up against the best (a hold worth
    // the same may be a hair above it: that gives up nothing).
    double Cost(int hold) const { return std::max(0.0, Value(Best()) - Value(hold)); }
    bool IsMistake(int hold) const { return Cost(hold) > kSameValue; }
};

// Every hold, best first, as HoldAdvice::ranking orders them.
std::array<int, strategy::kHoldCount> RankHolds(const strategy::HoldValueSet& values);

// Needs the strategy tables: the first call builds them unless
// strategy::WarmUp has. After that, a few microseconds a deal.
HoldAdvice Advise(const strategy::Deal& deal, const strategy::PreviousCards& previous);

// Why a hold is worth something else at this table than from a shuffled
// deck: the cards the table's draw keeps out of its drawn slots (those the
// hold would draw to, where there are any), and the best hand that this
// makes impossible, if any.
struct TableDrawNote {
    int hold = 0;
    std::vector<strategy::BarredCard> barred;
    std::optional<strategy::HandClass> lost;
};
// Worth a word where the table's draw changes the best hold (the note is then
// on the hold a shuffled deck would rank best), or changes the value of one
// of the `listed` best holds by more than kNoteworthy (the note is on the one
// it changes most). Otherwise nothing.
inline constexpr double kNoteworthy = 0.001;
std::optional<TableDrawNote> NoteOnTableDraw(const HoldAdvice& advice, int listed);

}  // namespace velmora::session
