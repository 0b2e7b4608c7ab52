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
            testing::EvaluateAndPreset(form, hand);
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
