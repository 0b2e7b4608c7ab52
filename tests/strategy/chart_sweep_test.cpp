#include <gtest/gtest.h>

#include "strategy/chart.h"
#include "strategy/perfect_play.h"
#include "table/every_hand.h"

// The charts of three pay tables, each followed over every deal and scored
// with the hold values (CTest label "sweep": run from an optimised build).
namespace velmora::strategy {
namespace {

TEST(StrategySweep, ChartsFollowedOverEveryDeal) {
    for (const auto& [pays, perfect] : {std::pair{NineSixPays(), 99.5439}, {EightFivePays(), 97.2984}, {GamePays(), 94.9822}}) {
        SCOPED_TRACE(perfect);
        const Charts charts = DeriveCharts(pays);
        EXPECT_NEAR(100 * charts.basic.perfectReturn, perfect, 0.00005);
        EXPECT_LE(charts.basic.lines.size(), 40u);
        EXPECT_LE(charts.beginner.lines.size(), 10u);
        std::array<long double, 3> sum{};
        long double deals = 0;
        std::int64_t shortOfPerfect = 0;
        ForEveryHand([&](const Deal& deal) {
            const int weight = DealsRepresented(deal);
            if (weight == 0) return;
            const HoldValueSet values = HoldValues(deal, pays);
            const double best = values[BestHold(values)];
            for (const ChartType type : {ChartType::Basic, ChartType::Exact, ChartType::Beginner})
                sum[static_cast<int>(type)] += weight * values[Follow(charts.Of(type), deal).hold];
            shortOfPerfect += values[Follow(charts.exact, deal).hold] < best - 1e-9 ? weight : 0;
            deals += weight;
        });
        EXPECT_EQ(deals, 2'598'960);
        EXPECT_EQ(shortOfPerfect, 0);
        for (const ChartType type : {ChartType::Basic, ChartType::Exact, ChartType::Beginner})
            EXPECT_NEAR(static_cast<double>(sum[static_cast<int>(type)] / deals), charts.Of(type).expectedReturn, 1e-12)
                << ChartTypeName(type);
        EXPECT_GT(100 * charts.basic.expectedReturn, perfect - 0.002 + 0.00005);
        EXPECT_NEAR(charts.exact.expectedReturn, charts.exact.perfectReturn, 1e-12);
    }
}

// How often perfect play holds each line's kind (the first line whose hold is
// a best hold) and the average value of those deals.
TEST(StrategySweep, LineFrequenciesAndValues) {
    const Chart chart = DeriveCharts(GamePays()).basic;
    std::vector<long double> deals(chart.lines.size()), value(chart.lines.size());
    ForEveryHand([&](const Deal& deal) {
        const int weight = DealsRepresented(deal);
        if (weight == 0) return;
        const HoldValueSet values = HoldValues(deal, GamePays());
        const double best = values[BestHold(values)];
        for (std::size_t line = 0; line < chart.lines.size(); ++line) {
            const int hold = HoldOfKind(deal, chart.lines[line].kind);
            if (hold < 0 || values[hold] < best - 1e-9) continue;
            deals[line] += weight;
            value[line] += weight * best;
            break;
        }
    });
    for (std::size_t line = 0; line < chart.lines.size(); ++line) {
        EXPECT_NEAR(chart.lines[line].frequency, static_cast<double>(deals[line] / 2'598'960), 1e-12) << line;
        if (deals[line] > 0) EXPECT_NEAR(chart.lines[line].value, static_cast<double>(value[line] / deals[line]), 1e-9) << line;
    }
}

}  // namespace
}  // namespace velmora::strategy
