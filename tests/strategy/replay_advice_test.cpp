// velmora-replay's `advice` against every draw dealt out: the deal is forced
// through the game's own deal, the 32 values are read back from the JSON
// and compared, with the best hold worked out here from the rule.
#include <gtest/gtest.h>

#include <sstream>

#include "every_draw.h"
#include "replay_driver.h"

namespace velmora::strategy {
namespace {

std::vector<double> Numbers(const std::string& json, const std::string& key) {
    std::istringstream in(json.substr(json.find("\"" + key + "\":[") + key.size() + 4));
    std::vector<double> numbers;
    for (double n; in >> n;) {
        numbers.push_back(n);
        if (in.get() != ',') break;
    }
    return numbers;
}

void ExpectAdviceAsDealtOut(const Deal& deal) {
    SCOPED_TRACE(::testing::PrintToString(deal));
    std::ostringstream script, out, err;
    script << "random";
    for (const int code : deal) script << ' ' << (code - 0.5) / 52;
    script << "\nclick Deal1\nadvance 1250\nadvice\n";
    std::istringstream in(script.str());
    ASSERT_EQ(replay::RunScript(in, out, err), 0) << err.str();
    const std::string json = out.str();
    EXPECT_EQ(Numbers(json, "cards"), std::vector<double>(deal.begin(), deal.end()));

    const std::vector<double> ev = Numbers(json, "ev");
    ASSERT_EQ(ev.size(), 32u);
    const auto dealtOut = testing::DealOutEveryDraw(deal);
    int best = 0;
    double bestValue = -1;
    for (int hold = 0; hold < 32; ++hold) {
        double paid = 0, draws = 0;
        for (int c = 0; c < 10; ++c) {
            paid += double(GamePays().credits[c]) * double(dealtOut[hold][c]);
            draws += double(dealtOut[hold][c]);
        }
        EXPECT_NEAR(ev[hold], paid / draws, 1e-6) << "hold " << hold;
        const int kept = __builtin_popcount(hold), keptByBest = __builtin_popcount(best);
        if (paid / draws > bestValue + 1e-9 || (paid / draws > bestValue - 1e-9 && kept > keptByBest))
            best = hold, bestValue = std::max(bestValue, paid / draws);
    }
    EXPECT_NE(json.find("\"best\":" + std::to_string(best) + "}"), std::string::npos) << json;
}

TEST(ReplayAdvice, AsEveryDrawDealtOutAndRefusedWithoutCards) {
    std::mt19937 random(7);
    ExpectAdviceAsDealtOut(testing::RandomDeal(random));
    std::istringstream in("advice\n");
    std::ostringstream out, err;
    EXPECT_EQ(replay::RunScript(in, out, err), 2);
    EXPECT_EQ(out.str(), "");
}

TEST(StrategySweep, ReplayAdviceOnAHundredDealsAsEveryDrawDealtOut) {
    std::mt19937 random(11);
    for (int i = 0; i < 100; ++i) ExpectAdviceAsDealtOut(testing::RandomDeal(random));
}

}  // namespace
}  // namespace velmora::strategy
