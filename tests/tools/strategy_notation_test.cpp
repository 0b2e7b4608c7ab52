#include <gtest/gtest.h>

#include "arguments.h"
#include "card_notation.h"
#include "hold_lines.h"
#include "pays_notation.h"
#include "reports.h"
#include "strategy/perfect_play_odds.h"

// How velmora-strategy reads deals, pays and its command line, and writes
// an answer.
namespace velmora::strategy_tool {
namespace {

TEST(StrategyNotation, Deals) {
    strategy::Deal deal{};
    ASSERT_FALSE(ParseDeal(" As\tKd 7c  7h 2s\r", deal));
    EXPECT_EQ(deal, (strategy::Deal{40, 14 + 12, 7, 33, 41}));
    for (int code = 1; code <= 52; ++code) EXPECT_EQ(CardCode(CardName(code)), code);
    const std::pair<const char*, const char*> bad[] = {
        {"As Kd 7c 7h", "not 4"},      {"As Kd 7c 7h 2s 3s", "not 6"}, {"", "not 0"},
        {"As Kd 7c 7h 1s", "'1s'"},    {"As Kd 7c 7h 2S", "'2S'"},     {"As Kd 7c 7h 10s", "'10s'"},
        {"As Kd 7c 7h As", "'As' is there twice"}, {"As,Kd 7c 7h 2s", "'As,Kd'"},
    };
    for (const auto& [line, message] : bad) {
        const auto error = ParseDeal(line, deal);
        ASSERT_TRUE(error) << line;
        EXPECT_NE(error->find(message), std::string::npos) << *error;
    }
}

TEST(StrategyNotation, Pays) {
    EXPECT_EQ(std::get<strategy::Pays>(ParsePays("9/6")).credits, strategy::NineSixPays().credits);
    EXPECT_EQ(std::get<strategy::Pays>(ParsePays("8/5")).credits, strategy::EightFivePays().credits);
    const auto pays = std::get<strategy::Pays>(ParsePays("300,50,20,8,5,4,3,2,1000000"));
    EXPECT_EQ(pays.credits, strategy::MakePays(300, 50, 20, 8, 5, 4, 3, 2, 1000000).credits);
    EXPECT_EQ(PaysText(pays), "300,50,20,8,5,4,3,2,1000000");
    for (const char* bad : {"", "9/5", "800,50,25,9,6,4,3,2", "800,50,25,9,6,4,3,2,1,1", "800,50,25,9,6,4,3,2,0",
                            "800,50,25,9,6,4,3,2,-1", "800,50,25,9,6,4,3,2,1000001", "800,50,25,9,6,4,3,2,1,",
                            "800;50,25,9,6,4,3,2,1", "800,50,25,9,6,4,3,2,1.5", "99999999999,50,25,9,6,4,3,2,1",
                            "800,,25,9,6,4,3,2,1", "+800,50,25,9,6,4,3,2,1"})
        EXPECT_TRUE(std::holds_alternative<std::string>(ParsePays(bad))) << bad;
}

std::variant<Arguments, std::string> Parse(std::vector<const char*> words) {
    words.insert(words.begin(), "velmora-strategy");
    return ParseArguments(int(words.size()), words.data());
}

TEST(StrategyNotation, CommandLine) {
    auto hold = std::get<Arguments>(Parse({"hold", "--pays=8/5", "--chart", "perfect"}));
    EXPECT_EQ(hold.command, Command::Hold);
    EXPECT_EQ(hold.pays.credits, strategy::EightFivePays().credits);
    EXPECT_EQ(hold.chart, ChartChoice::Perfect);
    auto chart = std::get<Arguments>(Parse({"--pays", "9/6", "--json", "chart", "--chart=exact"}));
    EXPECT_EQ(chart.command, Command::Chart);
    EXPECT_EQ(chart.pays.credits, strategy::NineSixPays().credits);
    EXPECT_TRUE(chart.json);
    EXPECT_EQ(chart.chart, ChartChoice::Exact);
    auto plain = std::get<Arguments>(Parse({"return"}));
    EXPECT_EQ(plain.pays.credits, strategy::GamePays().credits);
    EXPECT_EQ(std::get<Arguments>(Parse({"chart"})).chart, ChartChoice::Basic);
    EXPECT_EQ(std::get<Arguments>(Parse({"hold", "--help"})).command, Command::Help);
    EXPECT_EQ(std::get<Arguments>(Parse({"--version"})).command, Command::Version);
    const std::vector<std::vector<const char*>> bad = {
        {},          {"play"},          {"hold", "chart"},          {"hold", "--chart"},         {"hold", "--chart", "best"},
        {"-v"},      {"hold", "--pay=9/6"}, {"return", "--chart", "basic"}, {"hold", "--json"},
        {"chart", "--chart", "perfect"}, {"hold", "--pays", "9/7"},
    };
    for (const auto& words : bad) EXPECT_TRUE(std::holds_alternative<std::string>(Parse(words))) << words.size();
}

TEST(StrategyNotation, AnswerLine) {
    std::string out;
    AppendHoldLine(out, {40, 26, 7, 33, 41}, {0b01001, 3, "a \"quoted\\\" rule\n"});
    AppendHoldLine(out, {40, 26, 7, 33, 41}, {0, 12, "draw five"});
    EXPECT_EQ(out, "{\"held\":[\"As\",\"7h\"],\"line\":3,\"rule\":\"a \\\"quoted\\\\\\\" rule\\u000a\"}\n"
                   "{\"held\":[],\"line\":12,\"rule\":\"draw five\"}\n");
}

}  // namespace
}  // namespace velmora::strategy_tool

namespace velmora::strategy_tool {
namespace {

// A two-line chart made by hand: a high pair, then a lone Jack, which gives
// way to a suited Ten.
strategy::Chart SmallChart() {
    strategy::Chart chart;
    chart.type = strategy::ChartType::Exact;
    chart.expectedReturn = 0.5;
    chart.perfectReturn = 0.75;
    chart.lines.push_back({strategy::KindOf({1, 14, 3, 4, 6}, 0b00011), 0.125, 1.5, {}});
    chart.lines.push_back({strategy::KindOf({11, 2, 4, 6, 21}, 0b00001), 0.25, 0.4375, {}});
    chart.lines[1].exceptions.push_back({strategy::KindOf({11, 2, 4, 6, 21}, 0b00001),
                                         {{10, false, strategy::SuitRelation::Suited, true}}});
    return chart;
}

TEST(StrategyReports, Chart) {
    const std::string text = ChartText(strategy::NineSixPays(), SmallChart());
    EXPECT_EQ(text.substr(0, text.find('\n')),
              "The exact chart for pays 800,50,25,9,6,4,3,2,1: 50.0000% back (perfect play 75.0000%), 2 lines, 1 exception");
    EXPECT_NE(text.find("\n  1.  high pair "), std::string::npos) << text;
    EXPECT_NE(text.find(" 12.5000%    1.5000\n  2.  J "), std::string::npos) << text;
    EXPECT_NE(text.find(" 25.0000%    0.4375\n        but hold J when a discard is a suited T\n"), std::string::npos) << text;
    EXPECT_EQ(ChartJson(strategy::NineSixPays(), SmallChart()),
              "{\"chart\":\"exact\",\"pays\":[800,50,25,9,6,4,3,2,1],\"return\":0.5000000000,\"perfectReturn\":0.7500000000,"
              "\"lines\":[{\"line\":1,\"hold\":\"high pair\",\"frequency\":0.125,\"value\":1.5000000000,\"exceptions\":[]},"
              "{\"line\":2,\"hold\":\"J\",\"frequency\":0.25,\"value\":0.4375000000,\"exceptions\":[{\"hold\":\"J\","
              "\"rule\":\"but hold J when a discard is a suited T\"}]}]}\n");
}

TEST(StrategyReports, Return) {
    strategy::Charts charts{SmallChart(), SmallChart(), SmallChart()};
    charts.basic.expectedReturn = 0.25;
    charts.beginner.lines[0].exceptions = charts.beginner.lines[1].exceptions;
    const std::string text = ReturnText(strategy::GamePays(), strategy::kGamePerfectPlayOdds, charts);
    for (const char* line : {"  perfect play      94.9822%\n", "  basic chart       25.0000%  2 lines, 1 exception\n",
                             "  beginner chart    50.0000%  2 lines, 2 exceptions\n",
                             "  Royal Flush        0.0021%  1 in 48466\n", "  Nothing           54.4426%  1 in 2\n",
                             "  Jacks or Better   21.5352%  1 in 5\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << text;
}

}  // namespace
}  // namespace velmora::strategy_tool
