#pragma once

#include <optional>
#include <vector>

#include "session/table_reading.h"
#include "strategy/hand_class.h"
#include "strategy/hold_values.h"
#include "table/poker.h"

namespace velmora::session {

// One draw: the cards dealt, the hold the game suggested and the hold the
// player drew with; once assessed, what each of the two gave up against
// the best hold.
struct DrawDecision {
    strategy::Deal deal{};
    strategy::PreviousCards previous{};
    int suggested = 0;
    int held = 0;
    struct Assessment {
        double cost = 0;            // of the player's hold
        double suggestionCost = 0;  // of the game's suggestion
    };
    std::optional<Assessment> assessment;
};

struct DoubleUpRecord {
    int rounds = 0;  // wins the player chose to double up
    int rightGuesses = 0;
    int wrongGuesses = 0;
    long long risked = 0;       // the wins put at stake, as they stood when doubling began
    long long broughtHome = 0;  // what those rounds added to the credits
};

struct AdvisorRecord {
    int decisions = 0;  // every draw of the session
    int assessed = 0;   // of them, those worked out so far
    int mistakes = 0;   // draws with a hold worth less than the best
    double givenUp = 0;            // expected credits the player's holds gave up
    double suggestionsGiveUp = 0;  // and what the game's suggestions would have given up
};

struct SessionStats {
    int hands = 0;
    long long bet = 0;    // credits
    long long taken = 0;  // credits that Take added
    // How often each final hand was made (the hand the draw leaves, before any double-up).
    strategy::PerClass<int> made{};
    DoubleUpRecord doubleUp;
    // The credits when the session began and after each hand.
    std::vector<double> credits;
};

// Keeps the statistics of the running session by watching the table: it
// must be shown the table after every event the game handles (the window
// does so whenever it has brought its widgets up to date).
class SessionTracker {
public:
    void Observe(const Poker& game);

    const SessionStats& Stats() const { return stats_; }
    // The credits as the table shows them now, the hand in play charged.
    double Credits() const { return credits_; }
    const std::vector<DrawDecision>& Decisions() const { return decisions_; }
    // The hand on the table from its deal on, until the next deal begins:
    // its deal, the cards before it and its suggestion once the cards are up; `held` once drawn.
    struct Hand {
        strategy::Deal deal{};
        strategy::PreviousCards previous{};
        int suggested = 0;
        std::optional<int> held;
    };
    const std::optional<Hand>& CurrentHand() const { return hand_; }

    // Works out the draws not yet assessed. Needs the strategy tables (see
    // session/hold_advice.h); a few microseconds a draw once they are built.
    bool AllAssessed() const { return assessed_ == decisions_.size(); }
    void Assess();
    AdvisorRecord Advice() const;

private:
    void Enter(HandPhase phase, const Poker& game, double credits);

    bool started_ = false;
    HandPhase phase_ = HandPhase::Ready;
    double credits_ = 0;
    int stake_ = 0;  // the win as the last look at the double-up saw it
    int held_ = 0;   // the HOLD markers as last seen while holding
    std::optional<Hand> hand_;
    SessionStats stats_;
    std::vector<DrawDecision> decisions_;
    std::size_t assessed_ = 0;
};

}  // namespace velmora::session
