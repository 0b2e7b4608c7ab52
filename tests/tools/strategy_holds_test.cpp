#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "strategy/hold_values.h"
#include "table/every_hand.h"

// velmora-strategy's holds, piped through the program as a player would, and
// checked against the exact value of every hold of each deal. The card
// names are this test's own.
namespace velmora::strategy {
namespace {

std::string Name(int code) {
    return {"A23456789TJQK"[(code - 1) % 13], "cdhs"[(code - 1) / 13]};
}

// The hold an answer line names, or -1 when it names a card not dealt.
int HeldIn(const std::string& line, const Deal& deal) {
    const std::size_t start = line.find("{\"held\":[") + 9, end = line.find(']');
    int hold = 0;
    for (std::size_t at = start; at + 4 <= end; at += 5) {
        const auto slot = std::find_if(deal.begin(), deal.end(), [&](int c) { return line.substr(at, 4) == '"' + Name(c) + '"'; });
        if (slot == deal.end()) return -1;
        hold |= 1 << (slot - deal.begin());
    }
    return hold;
}

// What `velmora-strategy ARGUMENTS` prints.
std::string Output(const std::string& arguments) {
    const std::string out = ::testing::TempDir() + "strategy_output";
    const std::string command = VELMORA_STRATEGY_PROGRAM " " + arguments + " >" + out;
    EXPECT_EQ(std::system(command.c_str()), 0) << command;
    std::ifstream file(out);
    return {std::istreambuf_iterator<char>(file), {}};
}

// What `velmora-strategy hold ARGUMENTS` answers to the deals, line by line.
std::vector<std::string> Holds(const std::vector<Deal>& deals, const std::string& arguments) {
    const std::string in = ::testing::TempDir() + "strategy_deals";
    std::ofstream(in) << [&] {
        std::string text;
        for (const Deal& deal : deals)
            for (int slot = 0; slot < 5; ++slot) text += Name(deal[slot]) + (slot < 4 ? ' ' : '\n');
        return text;
    }();
    std::istringstream answers(Output("hold " + arguments + " <" + in));
    std::vector<std::string> lines;
    for (std::string line; std::getline(answers, line);) lines.push_back(line);
    return lines;
}

// Every answer of perfect play keeps cards worth the best hold's value; the
// answers of each chart, scored with the hold values, make the return the
// chart reports for itself (to the ten decimals of its JSON), the exact
// chart perfect play's.
void ExpectBestHolds(const std::vector<Deal>& deals, const Pays& pays, const std::string& paysArgument,
                     bool charts = false) {
    const std::vector<std::string> perfect = Holds(deals, "--chart perfect --pays " + paysArgument);
    ASSERT_EQ(perfect.size(), deals.size());
    const char* names[] = {"basic", "exact", "beginner"};
    std::vector<std::string> followed[3];
    double total[3] = {}, reported[3] = {}, best = 0;
    for (int c = 0; charts && c < 3; ++c) {
        followed[c] = Holds(deals, std::string("--chart ") + names[c] + " --pays " + paysArgument);
        ASSERT_EQ(followed[c].size(), deals.size());
        const std::string json = Output(std::string("chart --json --chart ") + names[c] + " --pays " + paysArgument);
        reported[c] = std::stod(json.substr(json.find("\"return\":") + 9));
    }
    int wrong = 0;
    for (std::size_t i = 0; i < deals.size() && wrong < 10; ++i) {
        const HoldValueSet values = HoldValues(deals[i], pays);
        const int hold = HeldIn(perfect[i], deals[i]);
        const bool isBest = hold >= 0 && values[hold] >= *std::max_element(values.begin(), values.end()) - 1e-9;
        if (!isBest) ++wrong;
        EXPECT_TRUE(isBest) << perfect[i];
        best += *std::max_element(values.begin(), values.end());
        for (int c = 0; charts && c < 3; ++c) {
            const int held = HeldIn(followed[c][i], deals[i]);
            ASSERT_GE(held, 0) << followed[c][i];
            total[c] += values[held];
        }
    }
    for (int c = 0; charts && c < 3; ++c) EXPECT_NEAR(total[c] / double(deals.size()), reported[c], 1e-9) << names[c];
    // The exact chart plays every deal as well as perfect play.
    if (charts) EXPECT_NEAR(total[1], best, 1e-6);
}

TEST(StrategyTool, PerfectHoldsOfRandomDeals) {
    std::mt19937 random(16);
    std::vector<int> deck(52);
    for (int c = 0; c < 52; ++c) deck[c] = c + 1;
    std::vector<Deal> deals(3000);
    for (Deal& deal : deals) {
        std::shuffle(deck.begin(), deck.end(), random);
        std::copy_n(deck.begin(), 5, deal.begin());
    }
    ExpectBestHolds(deals, GamePays(), "300,50,20,8,5,4,3,2,1");
    ExpectBestHolds(deals, MakePays(2, 1, 1, 1, 1, 1, 1, 1, 400), "2,1,1,1,1,1,1,1,400");
}

TEST(StrategySweep, EveryDealThroughTheTool) {
    std::vector<Deal> deals;
    deals.reserve(2'598'960);
    ForEveryHand([&](const Deal& deal) { deals.push_back(deal); });
    ExpectBestHolds(deals, NineSixPays(), "9/6", true);
    ExpectBestHolds(deals, EightFivePays(), "8/5", true);
    ExpectBestHolds(deals, GamePays(), "300,50,20,8,5,4,3,2,1", true);
}

}  // namespace
}  // namespace velmora::strategy
