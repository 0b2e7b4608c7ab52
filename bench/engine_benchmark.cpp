// Whole hands through the game's own handlers on the virtual clock: deal,
// the suggested holds, draw, result, and take or lose.
#include <benchmark/benchmark.h>

#include "table/control_table.h"

namespace velmora {
namespace {

void PlayHand(Poker& form, bool doubleOnce) {
    form.Click(EntryOf(&PokerState::Deal1));
    form.AdvanceTo(form.State().Timers.Now() + 1250);  // five cards, 250 ms apart
    form.Click(EntryOf(&PokerState::Deal2));                // draw, keeping the suggested holds
    form.AdvanceTo(form.State().Timers.Now() + 1500);  // the draw and the result step
    if (doubleOnce && form.State().DoubleB.Visible) {
        form.Click(EntryOf(&PokerState::DoubleB));
        form.Click(EntryOf(&PokerState::Big));
    }
    form.Click(EntryOf(&PokerState::Take));  // ignored when nothing is on offer
}

void WholeHands(benchmark::State& state) {
    ClockSeededGenerator random(TimeOfDayReading());
    Poker form(random);
    const bool doubleOnce = state.range(0) != 0;
    long hands = 0;
    for (auto _ : state) {
        PlayHand(form, doubleOnce);
        ++hands;
    }
    benchmark::DoNotOptimize(form.State().Score.Caption);
    state.counters["hands/s"] = benchmark::Counter(static_cast<double>(hands), benchmark::Counter::kIsRate);
}
BENCHMARK(WholeHands)->ArgName("double_once")->Arg(0)->Arg(1);

}  // namespace
}  // namespace velmora

BENCHMARK_MAIN();
