#include "session/session_tracker.h"

#include "session/hold_advice.h"

namespace velmora::session {

void SessionTracker::Observe(const Poker& game) {
    const HandPhase phase = PhaseOf(game);
    const double credits = game.Credits();
    if (!started_) {
        started_ = true;
        phase_ = phase;
        credits_ = credits;
        stats_.credits.push_back(credits);
        return;
    }
    if (phase == HandPhase::Holding) held_ = HoldOf(game);
    if (phase != phase_) Enter(phase, game, credits);
    // Each right guess doubles the win.
    if (phase == HandPhase::DoublingUp)
        for (; stake_ > 0 && stake_ < game.State().WinAmount; stake_ *= 2) ++stats_.doubleUp.rightGuesses;
    phase_ = phase;
    credits_ = credits;
}

void SessionTracker::Enter(HandPhase phase, const Poker& game, double credits) {
    const double gained = credits - credits_;
    if (gained > 0) {
        stats_.taken += static_cast<long long>(gained);
        if (phase_ == HandPhase::DoublingUp) stats_.doubleUp.broughtHome += static_cast<long long>(gained);
    }
    if (phase_ == HandPhase::Holding && hand_) {
        hand_->held = held_;
        decisions_.push_back({hand_->deal, hand_->previous, hand_->suggested, held_, std::nullopt});
    }
    // A hand that pays nothing goes back to Deal with no line lit.
    if (phase_ == HandPhase::Drawing) ++stats_.made[strategy::Index(MadeClass(game))];

    switch (phase) {
        case HandPhase::Dealing:
            ++stats_.hands;
            stats_.bet += static_cast<long long>(credits_ - credits);
            hand_.reset();
            break;
        case HandPhase::Holding:
            hand_ = Hand{DealOf(game), PreviousOf(game), SuggestedHold(game), std::nullopt};
            break;
        case HandPhase::DoublingUp:
            if (phase_ == HandPhase::Offered) {
                ++stats_.doubleUp.rounds;
                stats_.doubleUp.risked += game.State().WinAmount;
                stake_ = game.State().WinAmount;
            }
            break;
        case HandPhase::Ready:
            if (phase_ == HandPhase::DoublingUp && gained <= 0) ++stats_.doubleUp.wrongGuesses;
            stats_.credits.push_back(credits);
            break;
        case HandPhase::Drawing:
        case HandPhase::Offered:
            break;
    }
}

void SessionTracker::Assess() {
    for (; assessed_ < decisions_.size(); ++assessed_) {
        DrawDecision& decision = decisions_[assessed_];
        const HoldAdvice advice = Advise(decision.deal, decision.previous);
        decision.assessment = DrawDecision::Assessment{advice.Cost(decision.held), advice.Cost(decision.suggested)};
    }
}

AdvisorRecord SessionTracker::Advice() const {
    AdvisorRecord record;
    record.decisions = static_cast<int>(decisions_.size());
    for (const DrawDecision& decision : decisions_) {
        if (!decision.assessment) continue;
        ++record.assessed;
        record.mistakes += decision.assessment->cost > kSameValue;
        record.givenUp += decision.assessment->cost;
        record.suggestionsGiveUp += decision.assessment->suggestionCost;
    }
    return record;
}

}  // namespace velmora::session
