// The contract of velmora-replay: its commands, its state and its answer to
// bad input.
#include <gtest/gtest.h>

#include <sstream>

#include "replay_driver.h"
#include "table/control_table.h"

namespace velmora::replay {
namespace {

struct Outcome { int status; std::string out, err; };

Outcome Play(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = RunScript(in, out, err);
    return {status, out.str(), err.str()};
}

// The state at start-up, exactly as the driver's documentation gives it.
const char* const kStartUpState =
    R"({"time":0,"rolls":0,"about":false,"pointer":0,"focus":"Deal1","Score":"00010",)"
    R"("Panel":"Press Deal to Start the Game","buttons":{"Deal1":{"visible":true,"enabled":true},)"
    R"("Deal2":{"visible":false,"enabled":true},"Cancel":{"visible":false,"enabled":true},)"
    R"("Take":{"visible":false,"enabled":true},"DoubleB":{"visible":false,"enabled":true},)"
    R"("Big":{"visible":false,"enabled":true},"Small":{"visible":false,"enabled":true},)"
    R"("About":{"visible":true,"enabled":true},"Sortie":{"visible":true,"enabled":true}},)"
    R"("Hold":[false,false,false,false,false],"Picture":[53,53,53,53,53],)"
    R"("paytable":{"Royal":4210752,"SFlush":4210752,"Kind":4210752,"Full":4210752,"Flush":4210752,)"
    R"("Straight":4210752,"Tree":4210752,"Two":4210752,"Jack":4210752},)"
    R"("Timer":[{"enabled":false,"interval":250},{"enabled":false,"interval":250},{"enabled":false,"interval":250},)"
    R"({"enabled":false,"interval":250},{"enabled":false,"interval":250},{"enabled":false,"interval":250},)"
    R"({"enabled":false,"interval":500}],"Card":[0,0,0,0,0],"OldCard":[0,0,0,0,0],)"
    R"("WinAmount":0,"DoubleStep":0,"DoubleRoll":0,"HandPay":0})";

// Exit ends the script at once.
TEST(ReplayProtocol, StartUpStateIsTheDocumentedOneAndExitEndsTheScript) {
    for (const char* script :
         {"# nothing yet\r\n\n \t \r\nstate", "state\nclick Sortie\nstate\nthis is not a command\n"}) {
        const Outcome run = Play(script);
        EXPECT_EQ(run.status, 0) << script;
        EXPECT_EQ(run.out, std::string(kStartUpState) + "\n") << script;
        EXPECT_EQ(run.err, "") << script;
    }
}

TEST(ReplayProtocol, BadInputStopsWithTheLineNumberAndStatusTwo) {
    using namespace std::string_literals;
    const std::string x100(100, 'x');
    const std::string longest = "#" + std::string(kLongestLine - 1, ' ');  // a comment as long as a line may be
    const std::pair<std::string, std::string> cases[] = {
        {"jump", "unknown command"},
        {"click Picture1", "unknown control"},
        {"click", "needs 1"},
        {"click Deal1 Deal2", "too many"},
        {"dblclick Deal1", "double-click"},
        {"advance", "needs 1"},
        {"advance -5", "malformed"},
        {"advance 1.5", "malformed"},
        {"advance 99999999999999999999999", "carry the clock past 9223372034707292160 ms"},
        {"random", "at least one"},
        {"random 1", "outside"},
        {"random -0.1", "outside"},
        {"random 0.5 abc", "malformed"},
        {"random nan", "malformed"},
        {"random 0x0.8", "malformed"},
        {"random .", "malformed"},
        {"random 5.", "outside"},
        // The offending word, quoted short and safe for a terminal.
        {"click \x1b]0;title\x07", "unknown control '\\x1b]0;title\\x07'"},
        {"jump\0x"s, "'jump\\x00x'"},
        {"click \x7f\xc0\xafx", "'\\x7f\\xc0\\xafx'"},  // DEL, and an overlong UTF-8 sequence
        {"click \xe0\x9f\xbf", "'\\xe0\\x9f\\xbf'"},
        {"\xef\xbb\xbfstate", "unknown command '\\ufeffstate'"},
        {"click \xc2\x9b" "1m\xff\xc3" "D\xc3\xa9" "cor\\n", "'\\u009b1m\\xff\\xc3D\xc3\xa9" "cor\\\\n'"},
        {"click " + x100, "'" + x100.substr(0, 80) + "'... (100 bytes)"},
        {"state now", "too many"},
        {"press hard", "too many"},
        {longest + " ", ": longer than 1048576 bytes\n"},
    };
    for (const auto& [line, reason] : cases) {
        const Outcome run = Play("state\n# a comment\n" + longest + "\n" + line + "\nstate\n");
        EXPECT_EQ(run.status, 2) << line.substr(0, 80);
        EXPECT_EQ(run.out, std::string(kStartUpState) + "\n") << line.substr(0, 80);  // only the state before it
        EXPECT_EQ(run.err.rfind("velmora-replay: line 4: ", 0), 0u) << line.substr(0, 80) << ": " << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << line.substr(0, 80) << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_LT(run.err.size(), 200u) << run.err;
    }
}

// Without forced values the rolls come from a generator re-seeded from the
// virtual clock: the same script deals the same cards, and a deal at
// another time other ones.
TEST(ReplayProtocol, RollsWithoutForcedValuesRepeatAndFollowTheClock) {
    const std::string hand = "click Deal1\nadvance 1250\nclick Deal2\nadvance 1250\nstate\n";
    const Outcome first = Play(hand), again = Play(hand), later = Play("advance 1\n" + hand);
    EXPECT_EQ(first.status, 0);
    EXPECT_EQ(first.out, again.out);
    const auto cards = [](const std::string& state) { return state.substr(state.find("\"Card\"")); };
    EXPECT_NE(cards(first.out), cards(later.out));
}

// Advice answers only for five cards face up: not before the deal, not
// while it turns the cards, not in the double-up. With four of a kind dealt,
// keeping the four and keeping all five are worth the same: the advice
// keeps all five.
TEST(ReplayProtocol, AdviceOnlyForFiveCardsFaceUpAndTiesKeepTheMostCards) {
    const std::string quads = "random 0.009615 0.259615 0.240385 0.509615 0.759615\nclick Deal1\n";
    const std::string flush = "random 0.028846 0.086538 0.125000 0.163462 0.221154\nclick Deal1\nadvance 1250\n";
    const std::pair<std::string, int> cases[] = {
        {"advice\n", 2},
        {quads + "advance 1000\nadvice\n", 2},
        {flush + "click Deal2\nadvance 255\nclick DoubleB\nadvice\n", 2},
        {quads + "advance 1250\nadvice\n", 0},
    };
    for (const auto& [script, status] : cases) {
        const Outcome run = Play(script);
        EXPECT_EQ(run.status, status) << script << run.err;
        if (status == 2) EXPECT_NE(run.err.find("face up"), std::string::npos) << run.err;
        else EXPECT_EQ(run.out.substr(run.out.find("\"best\"")), "\"best\":31}\n");
    }
}

TEST(ReplayProtocol, AdviceRefusesRepeatedCards) {
    PokerState form(StartIntervals());
    for (int slot = 1; slot <= kSlotCount; ++slot) form.Card[slot] = form.Picture[slot].Frame = std::int16_t(slot);
    EXPECT_TRUE(AdviceJson(form).has_value());
    form.Card[5] = form.Picture[5].Frame = 1;
    EXPECT_FALSE(AdviceJson(form).has_value());
}

}  // namespace
}  // namespace velmora::replay
