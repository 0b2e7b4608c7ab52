// velmora-replay's `advice` and `advice deck` on a first and a second hand:
// the deal is forced through the game's own deal, and the 32 values and the
// best hold read back from the JSON are the advisor's, under the table's draw
// from the old cards and under a draw from the deck.
#include <gtest/gtest.h>

#include <sstream>
#include <utility>

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

void ExpectAdvice(const std::string& json, const std::string& draw, const Deal& deal, const HoldValueSet& values) {
    SCOPED_TRACE(json);
    EXPECT_EQ(Numbers(json, "cards"), std::vector<double>(deal.begin(), deal.end()));
    EXPECT_NE(json.find("],\"draw\":\"" + draw + "\",\"ev\":["), std::string::npos);
    const std::vector<double> ev = Numbers(json, "ev");
    ASSERT_EQ(ev.size(), 32u);
    for (int hold = 0; hold < 32; ++hold) EXPECT_NEAR(ev[hold], values[hold], 1e-9) << "hold " << hold;
    EXPECT_NE(json.find("\"best\":" + std::to_string(BestHold(values)) + "}"), std::string::npos);
}

std::string Forced(const std::vector<int>& codes) {
    std::string line = "random";
    for (const int code : codes) line += ' ' + std::to_string((code - 0.5) / 52);
    return line + '\n';
}

// The first hand keeps only its Ten of Spades in slot 1; the second deals the
// Ace, King, Queen and Jack of Spades into slots 1 to 4 (the Two is refused,
// as a card of the last hand, and the Three of Spades comes instead): from a
// deck the four to the royal is best, at this table keeping the flush.
TEST(ReplayAdvice, FirstAndSecondHandAndRefusedWithoutCardsOrWithOtherWords) {
    const Deal first{49, 3, 4, 5, 6};
    std::ostringstream script, out, err;
    script << Forced({49, 3, 4, 5, 6}) << "click Deal1\nadvance 1250\nadvice\nadvice deck\nclick Cancel\n"
           << "click Label1\nclick Deal2\nadvance 1500\nclick Take\n" << Forced({40, 52, 51, 50, 2})
           << "click Deal1\nadvance 1250\nstate\nadvice\nadvice deck\n";
    std::istringstream in(script.str());
    ASSERT_EQ(replay::RunScript(in, out, err), 0) << err.str();
    std::istringstream lines(out.str());
    std::string line[5];
    for (std::string& each : line) std::getline(lines, each);
    // The first hand: nothing before it, so the table's draw is the deck's.
    ExpectAdvice(line[0], "table", first, HoldValues(first, GamePays()));
    ExpectAdvice(line[1], "deck", first, HoldValues(first, GamePays()));
    const std::vector<double> card = Numbers(line[2], "Card"), old = Numbers(line[2], "OldCard");
    ASSERT_EQ(card.size() + old.size(), 10u);
    const Deal second{int(card[0]), int(card[1]), int(card[2]), int(card[3]), int(card[4])};
    const PreviousCards previous{int(old[0]), int(old[1]), int(old[2]), int(old[3]), int(old[4])};
    const HoldValueSet table = TableHoldValues(second, previous, GamePays());
    EXPECT_EQ(std::pair(BestHold(table), BestHold(HoldValues(second, GamePays()))), std::pair(0b11111, 0b01111));
    ExpectAdvice(line[3], "table", second, table);
    ExpectAdvice(line[4], "deck", second, HoldValues(second, GamePays()));

    for (const char* refused : {"advice\n", "random .1 .2 .3 .4 .5\nclick Deal1\nadvance 1250\nadvice deck x\n"}) {
        std::istringstream bad(refused);
        std::ostringstream none, why;
        EXPECT_EQ(replay::RunScript(bad, none, why), 2) << refused;
        EXPECT_EQ(none.str(), "");
    }
}

}  // namespace
}  // namespace velmora::strategy
