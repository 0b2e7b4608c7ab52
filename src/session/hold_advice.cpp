#include "session/hold_advice.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <numeric>

#include "strategy/pays.h"

namespace velmora::session {

std::array<int, strategy::kHoldCount> RankHolds(const strategy::HoldValueSet& values) {
    const auto value = [&values](int hold) { return values[static_cast<std::size_t>(hold)]; };
    // Values are compared on a grid of 1e-9, so that two holds worth the
    // same, up to rounding, are ordered by their cards.
    std::array<long long, strategy::kHoldCount> grid{};
    for (int hold = 0; hold < strategy::kHoldCount; ++hold) grid[hold] = std::llround(value(hold) / kSameValue);
    std::array<int, strategy::kHoldCount> ranking{};
    std::iota(ranking.begin(), ranking.end(), 0);
    std::sort(ranking.begin(), ranking.end(), [&grid](int a, int b) {
        if (grid[a] != grid[b]) return grid[a] > grid[b];
        const int cardsA = std::popcount(unsigned(a)), cardsB = std::popcount(unsigned(b));
        return cardsA != cardsB ? cardsA > cardsB : a < b;
    });
    // A value just across a grid line from the best one is worth the same:
    // the best hold is the one BestHold names.
    const auto best = std::find(ranking.begin(), ranking.end(), strategy::BestHold(values));
    std::rotate(ranking.begin(), best, best + 1);
    return ranking;
}

HoldAdvice Advise(const strategy::Deal& deal, const strategy::PreviousCards& previous) {
    HoldAdvice advice;
    advice.deal = deal;
    advice.previous = previous;
    advice.values = strategy::TableHoldValues(deal, previous, strategy::GamePays());
    advice.deckValues = strategy::HoldValues(deal, strategy::GamePays());
    advice.ranking = RankHolds(advice.values);
    return advice;
}

std::optional<TableDrawNote> NoteOnTableDraw(const HoldAdvice& advice, int listed) {
    const auto change = [&advice](int hold) {
        return std::abs(advice.values[static_cast<std::size_t>(hold)] - advice.deckValues[static_cast<std::size_t>(hold)]);
    };
    int hold = strategy::BestHold(advice.deckValues);
    if (advice.Value(hold) >= advice.Value(advice.Best()) - kSameValue) {
        // The same best hold either way: the listed hold the draw changes most, if enough.
        hold = *std::max_element(advice.ranking.begin(), advice.ranking.begin() + listed,
                                 [&change](int a, int b) { return change(a) < change(b); });
        if (change(hold) <= kNoteworthy) return std::nullopt;
    }
    TableDrawNote note{hold, strategy::BarredCards(advice.deal, advice.previous, hold), std::nullopt};
    // Name the barred cards the hold would have drawn to, where there are
    // such: keeping out a card that helps nothing only narrows the draw.
    std::vector<strategy::BarredCard> helpful;
    for (const strategy::BarredCard& barred : note.barred) {
        strategy::PreviousCards alone{};
        alone[static_cast<std::size_t>(barred.heldSlot - 1)] = barred.card;
        const auto values = strategy::TableHoldValues(advice.deal, alone, strategy::GamePays());
        if (values[static_cast<std::size_t>(hold)] < advice.deckValues[static_cast<std::size_t>(hold)] - kSameValue)
            helpful.push_back(barred);
    }
    if (!helpful.empty()) note.barred = helpful;
    const auto atTable = strategy::TableFinalOdds(advice.deal, advice.previous, hold);
    const auto fromDeck = strategy::FinalHandCounts(advice.deal, hold);
    for (int c = strategy::kHandClassCount - 1; c > 0 && !note.lost; --c)
        if (fromDeck[c] > 0 && atTable[c] < kSameValue) note.lost = static_cast<strategy::HandClass>(c);
    return note;
}

}  // namespace velmora::session
