// The strategy advisor: its first use, which builds its tables; the 32 hold
// values of one deal; perfect play over the whole game, and the three
// strategy charts, for three pay tables.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <numeric>
#include <random>
#include <vector>

#include "strategy/chart.h"
#include "strategy/hold_values.h"
#include "strategy/perfect_play.h"
#include "strategy/subset_counts.h"
#include "strategy/table_draw.h"

namespace velmora::strategy {
namespace {

using Clock = std::chrono::steady_clock;

double MicrosSince(Clock::time_point start) {
    return std::chrono::duration<double, std::micro>(Clock::now() - start).count();
}

// The first WarmUp of the process builds the shared tables: once only, so
// this runs first and one time.
void FirstUse(benchmark::State& state) {
    for (auto _ : state) WarmUp();
}
BENCHMARK(FirstUse)->Iterations(1)->Unit(benchmark::kMillisecond);

// The same build again, from scratch, a few times; "MiB" is the tables' size.
void BuildTables(benchmark::State& state) {
    double mebibytes = 0;
    for (auto _ : state) {
        const SubsetCounts tables;
        mebibytes = static_cast<double>(tables.Bytes()) / (1 << 20);
        benchmark::DoNotOptimize(&tables);
    }
    state.counters["MiB"] = mebibytes;
}
BENCHMARK(BuildTables)->Iterations(5)->Unit(benchmark::kMillisecond);

// HoldValues on 10,000 random deals, the tables built beforehand. Each call
// is timed on its own with steady_clock; the counters are the least, median
// and greatest of those times in microseconds. The benchmark's own time is
// that of all 10,000 calls.
void HoldValuesPerDeal(benchmark::State& state) {
    constexpr int kDeals = 10'000;
    WarmUp();
    std::mt19937 random(1);
    std::array<int, 52> pack;
    std::iota(pack.begin(), pack.end(), 1);
    std::vector<Deal> deals(kDeals);
    for (Deal& deal : deals) {
        std::shuffle(pack.begin(), pack.end(), random);
        std::copy_n(pack.begin(), 5, deal.begin());
    }
    std::vector<double> micros(kDeals);
    for (auto _ : state) {
        for (int i = 0; i < kDeals; ++i) {
            const Clock::time_point start = Clock::now();
            benchmark::DoNotOptimize(HoldValues(deals[i], GamePays()));
            micros[i] = MicrosSince(start);
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["min_us"] = micros.front();
    state.counters["median_us"] = micros[kDeals / 2];
    state.counters["max_us"] = micros.back();
}
BENCHMARK(HoldValuesPerDeal)->Iterations(1)->Unit(benchmark::kMillisecond);

// TableHoldValues the same way, each deal after a previous hand of five other
// cards, as the deal leaves them: four previous cards can be barred. Each
// deal is timed in three passes over all of them and keeps its fastest
// time, so that a deal the system interrupted does not pass for a slow one; "p99_us" is the 99th
// percentile.
void TableHoldValuesPerDeal(benchmark::State& state) {
    constexpr int kDeals = 10'000;
    WarmUp();
    std::mt19937 random(2);
    std::array<int, 52> pack;
    std::iota(pack.begin(), pack.end(), 1);
    std::vector<std::pair<Deal, PreviousCards>> deals(kDeals);
    for (auto& [deal, previous] : deals) {
        std::shuffle(pack.begin(), pack.end(), random);
        std::copy_n(pack.begin(), 5, deal.begin());
        std::copy_n(pack.begin() + 5, 5, previous.begin());
    }
    std::vector<double> micros(kDeals);
    for (auto _ : state) {
        std::fill(micros.begin(), micros.end(), 1e9);
        for (int pass = 0; pass < 3; ++pass) {
            for (int i = 0; i < kDeals; ++i) {
                const Clock::time_point start = Clock::now();
                benchmark::DoNotOptimize(TableHoldValues(deals[i].first, deals[i].second, GamePays()));
                micros[i] = std::min(micros[i], MicrosSince(start));
            }
        }
    }
    std::sort(micros.begin(), micros.end());
    state.counters["min_us"] = micros.front();
    state.counters["median_us"] = micros[kDeals / 2];
    state.counters["p99_us"] = micros[kDeals * 99 / 100];
    state.counters["max_us"] = micros.back();
}
BENCHMARK(TableHoldValuesPerDeal)->Iterations(1)->Unit(benchmark::kMillisecond);

// Perfect play over all 2,598,960 deals.
void Sweep(benchmark::State& state, Pays pays) {
    for (auto _ : state) benchmark::DoNotOptimize(SweepPerfectPlay(pays));
}
BENCHMARK_CAPTURE(Sweep, game, GamePays())->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, nine_six, NineSixPays())->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Sweep, eight_five, EightFivePays())->Iterations(3)->Unit(benchmark::kMillisecond);

// The basic, exact and beginner charts together, tables built beforehand;
// "lines" and "exceptions" are the basic chart's lines and the exact chart's
// exceptions.
void Charts(benchmark::State& state, Pays pays) {
    WarmUp();
    std::size_t lines = 0, exceptions = 0;
    for (auto _ : state) {
        const strategy::Charts charts = DeriveCharts(pays);
        lines = charts.basic.lines.size();
        exceptions = 0;
        for (const ChartLine& line : charts.exact.lines) exceptions += line.exceptions.size();
    }
    state.counters["lines"] = static_cast<double>(lines);
    state.counters["exceptions"] = static_cast<double>(exceptions);
}
BENCHMARK_CAPTURE(Charts, game, GamePays())->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Charts, nine_six, NineSixPays())->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Charts, eight_five, EightFivePays())->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace velmora::strategy

BENCHMARK_MAIN();
