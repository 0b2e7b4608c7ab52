// The long-run return of three players at this table, measured by playing
// hands through the game's own handlers: the real deal and draw, a win
// taken at once, no double-up. A fast seeded generator stands in for the
// clock-seeded one; the draw still rolls until a card its exclusion set
// allows comes up, as at the table.
//
//   table_returns [hands per player, default 10000000] [seed] [players, e.g. "abc"] [check]
//   a: keeps the game's suggestion (the HOLD markers the deal leaves)
//   b: keeps the best hold valued as from a shuffled deck
//   c: keeps the best hold valued under the table's own draw
// "check" also averages the exact table value of each hold kept, which the
// return should match within its interval.
#include <chrono>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "session/table_reading.h"
#include "strategy/table_draw.h"
#include "table/control_table.h"
#include "table/credit_text.h"

namespace velmora {
namespace {

// xoshiro256** seeded through splitmix64; re-seeding changes nothing.
class FastRandom final : public RandomSource {
public:
    explicit FastRandom(std::uint64_t seed) {
        for (auto& word : state_) {
            seed += 0x9e3779b97f4a7c15ull;
            std::uint64_t z = seed;
            z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
            z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
            word = z ^ (z >> 31);
        }
    }
    void Reseed() override {}
    float Next() override {
        const std::uint64_t result = Rotl(state_[1] * 5, 7) * 9;
        const std::uint64_t t = state_[1] << 17;
        state_[2] ^= state_[0];
        state_[3] ^= state_[1];
        state_[1] ^= state_[2];
        state_[0] ^= state_[3];
        state_[2] ^= t;
        state_[3] = Rotl(state_[3], 45);
        return static_cast<float>(result >> 40) * 0x1.0p-24f;  // 24 bits: exactly representable, below 1
    }

private:
    static std::uint64_t Rotl(std::uint64_t x, int k) { return (x << k) | (x >> (64 - k)); }
    std::uint64_t state_[4];
};

strategy::PreviousCards PreviousOf(const Poker& form) {
    strategy::PreviousCards previous{};
    for (int slot = 1; slot <= 5; ++slot) previous[slot - 1] = form.State().OldCard[slot];
    return previous;
}

int ChosenHold(const Poker& form, char player) {
    switch (player) {
    case 'a': return session::HoldOf(form);
    case 'b': return strategy::BestHold(strategy::HoldValues(session::DealOf(form), strategy::GamePays()));
    default:
        return strategy::BestHold(
            strategy::TableHoldValues(session::DealOf(form), PreviousOf(form), strategy::GamePays()));
    }
}

// Plays one hand and returns what it paid back for its one credit. With
// `expected`, sets it to the exact value of the hold kept under the table's draw.
double PlayHand(Poker& form, char player, double* expected) {
    const double before = ReadCredits(form.State().Score.Caption);
    form.Click(EntryOf(&PokerState::Deal1));
    form.AdvanceTo(form.State().Timers.Now() + 1250);  // five cards, 250 ms apart
    const int hold = ChosenHold(form, player);
    if (expected)
        *expected = strategy::TableHoldValues(session::DealOf(form), PreviousOf(form), strategy::GamePays())[hold];
    for (int slot = 1; slot <= 5; ++slot)
        if (form.State().Hold[slot].Visible != strategy::Keeps(hold, slot)) form.ClickLabel(slot);
    if (session::HoldOf(form) != hold) std::abort();
    form.Click(EntryOf(&PokerState::Deal2));
    form.AdvanceTo(form.State().Timers.Now() + 1500);  // the draw and the result step
    form.Click(EntryOf(&PokerState::Take));         // ignored when nothing is on offer
    return ReadCredits(form.State().Score.Caption) - before + 1;
}

void Measure(char player, long long hands, std::uint64_t seed, bool check) {
    FastRandom random(seed);
    Poker form(random);
    const auto start = std::chrono::steady_clock::now();
    double sum = 0, squares = 0, expectedSum = 0, expectedSquares = 0;
    for (long long n = 0; n < hands; ++n) {
        double expected = 0;
        const double paid = PlayHand(form, player, check ? &expected : nullptr);
        expectedSum += expected;
        expectedSquares += expected * expected;
        sum += paid;
        squares += paid * paid;
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    auto spreadOf = [hands](double total, double totalSquares) {
        const double mean = total / double(hands);
        return std::sqrt((totalSquares / double(hands) - mean * mean) / double(hands - 1));
    };
    const double mean = sum / double(hands);
    const double spread = spreadOf(sum, squares);
    std::printf("%c: %lld hands, return %.3f%% +- %.3f%% (95%%), %.0f s\n", player, hands, 100 * mean,
                100 * 1.96 * spread, seconds);
    if (check)
        std::printf("   the kept holds' exact values at the table average %.3f%% +- %.3f%%\n",
                    100 * expectedSum / double(hands), 100 * 1.96 * spreadOf(expectedSum, expectedSquares));
    std::fflush(stdout);
}

}  // namespace
}  // namespace velmora

int main(int argc, char** argv) {
    const long long hands = argc > 1 ? std::atoll(argv[1]) : 10'000'000;
    const std::uint64_t seed = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
    const std::string players = argc > 3 ? argv[3] : "abc";
    if (hands < 2) return 2;
    velmora::strategy::WarmUp();
    for (const char player : players) {
        if (player < 'a' || player > 'c') return 2;
        velmora::Measure(player, hands, seed, argc > 4 && std::string(argv[4]) == "check");
    }
    return 0;
}
