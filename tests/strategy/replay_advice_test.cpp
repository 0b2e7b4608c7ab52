// velmora-replay's `advice` against every draw dealt out: the deal is forced
// through the game's own deal, the 32 values are read back from the JSON
// and compared, with the best hold worked out here from the rule.
#include <gtest/gtest.h>

#include <sstream>

#include "every_draw.h"
#include "replay_driver.h"
#include "strategy/table_draw.h"

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
    script << "\nclick Deal1\nadvance 1250\nadvice\nadvice deck\n";
    std::istringstream in(script.str());
    ASSERT_EQ(replay::RunScript(in, out, err), 0) << err.str();
    // The first hand: nothing before it, so the table's draw is the deck's.
    const std::string table = out.str().substr(0, out.str().find('\n'));
    const std::string json = out.str().substr(table.size() + 1, out.str().size() - table.size() - 2);
    EXPECT_EQ(Numbers(json, "cards"), std::vector<double>(deal.begin(), deal.end()));
    EXPECT_EQ(Numbers(table, "cards"), Numbers(json, "cards"));
    EXPECT_NE(json.find("],\"draw\":\"deck\",\"ev\":["), std::string::npos) << json;
    EXPECT_NE(table.find("],\"draw\":\"table\",\"ev\":["), std::string::npos) << table;
    for (int hold = 0; hold < 32; ++hold) EXPECT_NEAR(Numbers(table, "ev")[hold], Numbers(json, "ev")[hold], 1e-12);
    EXPECT_EQ(table.substr(table.find("\"best\"")), json.substr(json.find("\"best\"")));

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

TEST(ReplayAdvice, AsEveryDrawDealtOutAndRefusedWithoutCardsOrWithOtherWords) {
    std::mt19937 random(7);
    ExpectAdviceAsDealtOut(testing::RandomDeal(random));
    for (const char* script : {"advice\n", "random .1 .2 .3 .4 .5\nclick Deal1\nadvance 1250\nadvice deck x\n"}) {
        std::istringstream in(script);
        std::ostringstream out, err;
        EXPECT_EQ(replay::RunScript(in, out, err), 2) << script;
        EXPECT_EQ(out.str(), "");
    }
}

// The second hand: the old cards are the first hand's, and `advice` values
// the holds under the table's draw from them while `advice deck` does not.
TEST(ReplayAdvice, SecondHandReadsTheOldCards) {
    std::istringstream in("random .1 .2 .3 .4 .5\nclick Deal1\nadvance 1250\nclick Deal2\nadvance 1500\n"
                          "click Take\nclick Deal1\nadvance 1250\nstate\nadvice\nadvice deck\n");
    std::ostringstream out, err;
    ASSERT_EQ(replay::RunScript(in, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string state, table, deck;
    std::getline(lines, state), std::getline(lines, table), std::getline(lines, deck);
    const std::vector<double> card = Numbers(state, "Card"), old = Numbers(state, "OldCard");
    ASSERT_EQ(card.size() + old.size(), 10u);
    const Deal cards{int(card[0]), int(card[1]), int(card[2]), int(card[3]), int(card[4])};
    const HoldValueSet expected[] = {
        TableHoldValues(cards, {int(old[0]), int(old[1]), int(old[2]), int(old[3]), int(old[4])}, GamePays()),
        HoldValues(cards, GamePays())};
    EXPECT_NE(expected[0], expected[1]);
    for (int hold = 0; hold < 32; ++hold) {
        EXPECT_NEAR(Numbers(table, "ev")[hold], expected[0][hold], 1e-9);
        EXPECT_NEAR(Numbers(deck, "ev")[hold], expected[1][hold], 1e-9);
    }
    EXPECT_NE(table.find("\"best\":" + std::to_string(BestHold(expected[0])) + "}"), std::string::npos) << table;
}

TEST(StrategySweep, ReplayAdviceOnAHundredDealsAsEveryDrawDealtOut) {
    std::mt19937 random(11);
    for (int i = 0; i < 100; ++i) ExpectAdviceAsDealtOut(testing::RandomDeal(random));
}

}  // namespace
}  // namespace velmora::strategy
