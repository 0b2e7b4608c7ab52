// EvaluateHand and PresetHolds over all 2,598,960 five-card hands.
#include <benchmark/benchmark.h>

#include <array>
#include <cstdint>

#include "table/poker.h"

namespace velmora {
namespace {

using Hand = std::array<int, 5>;

// Every one of the 2,598,960 five-card hands once, as card codes in
// ascending order (the rules tests sweep them the same way).
template <class Visit>
void ForEveryHand(Visit&& visit) {
    Hand h{};
    for (h[0] = 1; h[0] <= 48; ++h[0])
        for (h[1] = h[0] + 1; h[1] <= 49; ++h[1])
            for (h[2] = h[1] + 1; h[2] <= 50; ++h[2])
                for (h[3] = h[2] + 1; h[3] <= 51; ++h[3])
                    for (h[4] = h[3] + 1; h[4] <= 52; ++h[4]) visit(h);
}

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
