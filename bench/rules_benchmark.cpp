// EvaluateHand and PresetHolds over all 2,598,960 five-card hands.
#include <benchmark/benchmark.h>

#include "hand_sweep.h"
#include "table/poker.h"

namespace velmora {
namespace {

void EvaluateAndPresetEveryHand(benchmark::State& state) {
    Poker form;
    long hands = 0;
    for (auto _ : state) {
        testing::ForEveryHand([&](const testing::Hand& hand) {
            for (int slot = 1; slot <= 5; ++slot) {
                form.Card[slot] = static_cast<std::int16_t>(hand[slot - 1]);
                form.Hold[slot].Visible = false;
            }
            form.ClearPayHighlight();
            form.EvaluateHand();
            form.PresetHolds();
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
