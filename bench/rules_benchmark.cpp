// EvaluateHand and PresetHolds over all 2,598,960 five-card hands.
#include <benchmark/benchmark.h>

#include <array>

#include "table/every_hand.h"
#include "table/poker_workbench.h"

namespace velmora {
namespace {

using Hand = std::array<int, 5>;

void EvaluateAndPresetEveryHand(benchmark::State& state) {
    Poker form;
    PokerWorkbench bench(form);
    long hands = 0;
    for (auto _ : state) {
        ForEveryHand([&](const Hand& hand) {
            bench.EvaluateAndPreset(hand);
            benchmark::DoNotOptimize(form.State().Hold[1].Visible);
            ++hands;
        });
    }
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(EvaluateAndPresetEveryHand)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
