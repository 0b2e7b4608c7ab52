// Practice deals against counting: a deal has a pair of Jacks or better
// with a probability worked out from the ranks alone; plain deals come at
// that rate, leaning deals well above it once the line is missed, and close
// decisions more often than plain deals bring them, each by its weight.
#include <gtest/gtest.h>

#include <cmath>

#include "session/practice_deals.h"

namespace velmora::session {
namespace {

double Choose(int n, int k) {
    double c = 1;
    for (int i = 0; i < k; ++i) c = c * (n - i) / (i + 1);
    return c;
}

// One chart line, "high pair": a deal reads it when two of its cards share
// a rank from Jack to Ace. The other deals have at most one card of each of
// those four ranks: k of them, one suit each, and 5 - k of the 36 others.
double HighPairRate() {
    double without = 0;
    for (int k = 0; k <= 4; ++k) without += Choose(4, k) * std::pow(4, k) * Choose(36, 5 - k);
    return 1 - without / Choose(52, 5);
}

strategy::Chart HighPairChart() {
    strategy::Chart chart;
    chart.lines.push_back({strategy::HoldKind{strategy::HoldShape::HighPair}});
    return chart;
}

// The shares of the line and of close decisions among the deals; and, from
// the same deals weighed as a leaning dealer weighs them, the shares that
// leaning deals should show.
struct Rates {
    double line, close;
    double weighedLine, weighedClose;
};

Rates Deal(bool lean, std::uint64_t seed, int hands) {
    ClockSeededGenerator random(seed);
    PracticeDealer dealer(HighPairChart(), strategy::GamePays(), random);
    dealer.SetLeaning(lean);
    dealer.Missed(1);
    int line = 0, close = 0;
    double weights = 0, weighedLine = 0, weighedClose = 0;
    for (int i = 0; i < hands; ++i) {
        const PracticeDeal deal = dealer.Next();
        EXPECT_EQ(deal.best, strategy::BestHold(deal.values));
        const bool isClose = BestMargin(deal.values) < kCloseGap;
        const int weight = (deal.line == 1 ? kMissedWeight : 1) * (isClose ? kCloseWeight : 1);
        line += deal.line == 1;
        close += isClose;
        weights += weight;
        weighedLine += weight * (deal.line == 1);
        weighedClose += weight * isClose;
    }
    return {double(line) / hands, double(close) / hands, weighedLine / weights, weighedClose / weights};
}

// Four standard deviations of a binomial share.
double Tolerance(double p, int hands) { return 4 * std::sqrt(p * (1 - p) / hands); }

TEST(PracticeDeals, PlainDealsComeAtChanceAndLeaningDealsFavourMissedLinesAndCloseCalls) {
    constexpr int kHands = 6000;
    const double natural = HighPairRate();  // 0.16297...
    const Rates plain = Deal(false, 7, kHands);
    EXPECT_NEAR(plain.line, natural, Tolerance(natural, kHands));
    const Rates leaning = Deal(true, 11, kHands);
    EXPECT_GT(leaning.line - natural, Tolerance(natural, kHands) + Tolerance(leaning.line, kHands));
    EXPECT_GT(leaning.close - plain.close, Tolerance(plain.close, kHands) + Tolerance(leaning.close, kHands));
    // And by as much as the weights say: plain deals weighed predict the
    // leaning shares (twice the tolerance, for the prediction's own spread).
    EXPECT_NEAR(leaning.line, plain.weighedLine, 2 * Tolerance(plain.weighedLine, kHands));
    EXPECT_NEAR(leaning.close, plain.weighedClose, 2 * Tolerance(plain.weighedClose, kHands));
}

TEST(PracticeDeals, TheTallyCountsBestHoldsAndWhatOthersGiveUp) {
    PracticeDeal deal;
    deal.values.fill(0.5);
    deal.values[3] = 2.0;
    deal.values[4] = 2.0 - 1e-12;  // worth the same
    deal.best = 3;
    PracticeTally tally;
    EXPECT_EQ(tally.GivenUpPerHundred(), 0);
    EXPECT_DOUBLE_EQ(tally.Record(deal, 3), 0);
    EXPECT_NEAR(tally.Record(deal, 4), 0, 1e-11);
    EXPECT_DOUBLE_EQ(tally.Record(deal, 0), 1.5);
    EXPECT_DOUBLE_EQ(tally.Record(deal, 31), 1.5);
    EXPECT_EQ(tally.hands, 4);
    EXPECT_EQ(tally.bestFound, 2);
    EXPECT_DOUBLE_EQ(tally.GivenUpPerHundred(), 75);
}

}  // namespace
}  // namespace velmora::session
