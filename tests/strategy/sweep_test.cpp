#include <gtest/gtest.h>

#include "every_draw.h"
#include "strategy/perfect_play.h"
#include "strategy/perfect_play_odds.h"

// The long checks, run from an optimised build (CTest label "sweep").
namespace velmora::strategy {
namespace {

// Published returns of perfect play, in percent to four decimals.
TEST(StrategySweep, PublishedReturns) {
    for (const auto& [pays, percent] : {std::pair{NineSixPays(), 99.5439}, {EightFivePays(), 97.2984}, {GamePays(), 94.9822}}) {
        SCOPED_TRACE(percent);
        const PerfectPlayOdds odds = SweepPerfectPlay(pays);
        EXPECT_NEAR(100 * odds.expectedReturn, percent, 0.00005);
        double total = 0, payBack = 0;
        for (int c = 0; c < kHandClassCount; ++c) {
            total += odds.probability[c];
            payBack += odds.probability[c] * pays.credits[c];
        }
        EXPECT_NEAR(total, 1.0, 1e-12);
        EXPECT_NEAR(payBack, odds.expectedReturn, 1e-12);
    }
}

TEST(StrategySweep, StoredOddsOfTheGame) {
    const PerfectPlayOdds odds = SweepPerfectPlay(GamePays());
    EXPECT_NEAR(odds.expectedReturn, kGamePerfectPlayOdds.expectedReturn, 1e-12);
    for (int c = 0; c < kHandClassCount; ++c)
        EXPECT_NEAR(odds.probability[c], kGamePerfectPlayOdds.probability[c], 1e-12) << "class " << c;
}

TEST(StrategySweep, HundredsOfRandomDealsAsEveryDrawDealtOut) {
    std::mt19937 random(7);
    for (int i = 0; i < 300; ++i) testing::ExpectEveryHoldAsDealtOut(testing::RandomDeal(random));
}

}  // namespace
}  // namespace velmora::strategy
