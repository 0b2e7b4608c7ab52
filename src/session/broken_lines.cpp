#include "session/broken_lines.h"

namespace velmora::session {

bool OnlyTheTableDrawCosts(const HoldAdvice& advice, int held) {
    const int deckBest = strategy::BestHold(advice.deckValues);
    return advice.deckValues[static_cast<std::size_t>(held)] >=
           advice.deckValues[static_cast<std::size_t>(deckBest)] - kSameValue;
}

std::optional<LineBreak> BrokenLine(const strategy::Chart& chart, const HoldAdvice& advice, int held) {
    if (!advice.IsMistake(held) || OnlyTheTableDrawCosts(advice, held)) return std::nullopt;
    int line = strategy::LineOf(chart, advice.deal, strategy::BestHold(advice.deckValues));
    if (line == 0) line = strategy::Follow(chart, advice.deal).line;
    const int heldLine = strategy::LineOf(chart, advice.deal, held);
    if (heldLine != 0 && heldLine <= line) return std::nullopt;
    return LineBreak{line, heldLine};
}

void BrokenLineCount::Count(const strategy::Chart& chart, const std::vector<DrawDecision>& decisions) {
    for (; counted_ < decisions.size(); ++counted_) {
        const DrawDecision& decision = decisions[counted_];
        if (const auto broken = BrokenLine(chart, Advise(decision.deal, decision.previous), decision.held))
            ++times_[broken->line];
    }
}

int BrokenLineCount::Times(int line) const {
    const auto found = times_.find(line);
    return found == times_.end() ? 0 : found->second;
}

}  // namespace velmora::session
