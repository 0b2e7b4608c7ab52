// EvaluateHand and PresetHolds over all 2,598,960 five-card hands.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "table/every_hand.h"
#include "table/poker.h"

namespace velmora {
namespace {

using Hand = std::array<int, 5>;

// The end of a deal on a table with no HOLD marker and no line lit: the
// pay-table line, then the suggested holds.
void EvaluateAndPreset(Poker& form, const Hand& hand) {
    for (int slot = 1; slot <= 5; ++slot) {
        form.Card[slot] = static_cast<std::int16_t>(hand[slot - 1]);
        form.Hold[slot].Visible = false;
    }
    form.ClearPayHighlight();
    form.EvaluateHand();
    form.PresetHolds();
}

void EvaluateAndPresetEveryHand(benchmark::State& state) {
    Poker form;
    long hands = 0;
    for (auto _ : state) {
        ForEveryHand([&](const Hand& hand) {
            EvaluateAndPreset(form, hand);
            benchmark::DoNotOptimize(form.Hold[1].Visible);
            ++hands;
        });
    }
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(EvaluateAndPresetEveryHand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
