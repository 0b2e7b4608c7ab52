// The contract of velmora-replay: its commands, its state and its answer to
// bad input.
#include <gtest/gtest.h>

#include <sstream>

#include "replay_driver.h"

namespace velmora::replay {
namespace {

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome Play(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out, err;
    const int status = RunScript(in, out, err);
    return {status, out.str(), err.str()};
}

// The state at start-up, exactly as the driver's documentation gives it.
const char* const kStartUpState =
    R"({"time":0,"rolls":0,"about":false,"pointer":0,"focus":"Deal1","Score":"00010",)"
    R"("Panel":"Press Deal to Start the Game",)"
    R"("buttons":{"Deal1":{"visible":true,"enabled":true},"Deal2":{"visible":false,"enabled":true},)"
    R"("Cancel":{"visible":false,"enabled":true},"Take":{"visible":false,"enabled":true},)"
    R"("DoubleB":{"visible":false,"enabled":true},"Big":{"visible":false,"enabled":true},)"
    R"("Small":{"visible":false,"enabled":true},"About":{"visible":true,"enabled":true},)"
    R"("Sortie":{"visible":true,"enabled":true}},)"
    R"("Hold":[false,false,false,false,false],"Picture":[53,53,53,53,53],)"
    R"("paytable":{"Royal":4210752,"SFlush":4210752,"Kind":4210752,"Full":4210752,"Flush":4210752,)"
    R"("Straight":4210752,"Tree":4210752,"Two":4210752,"Jack":4210752},)"
    R"("Timer":[{"enabled":false,"interval":250},{"enabled":false,"interval":250},)"
    R"({"enabled":false,"interval":250},{"enabled":false,"interval":250},)"
    R"({"enabled":false,"interval":250},{"enabled":false,"interval":250},)"
    R"({"enabled":false,"interval":500}],)"
    R"("Card":[0,0,0,0,0],"OldCard":[0,0,0,0,0],"WinAmount":0,"DoubleStep":0,"DoubleRoll":0,"HandPay":0})";

TEST(ReplayProtocol, StartUpStateIsTheDocumentedOne) {
    const Outcome run = Play("# nothing yet\n\n   \nstate\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(kStartUpState) + "\n");
    EXPECT_EQ(run.err, "");
}

TEST(ReplayProtocol, BadInputStopsWithTheLineNumberAndStatusTwo) {
    using namespace std::string_literals;
    const std::string x100(100, 'x');
    const std::pair<std::string, std::string> cases[] = {
        {"jump", "unknown command"},
        {"click Picture1", "unknown control"},
        {"click", "needs 1"},
        {"click Deal1 Deal2", "too many"},
        {"dblclick Deal1", "double-click"},
        {"advance", "needs 1"},
        {"advance -5", "malformed"},
        {"advance 1.5", "malformed"},
        {"advance 12ms", "malformed"},
        {"advance 99999999999999999999999", "carry the clock past 9223372034707292160 ms"},
        {"random", "at least one"},
        {"random 1", "outside"},
        {"random 1.0", "outside"},
        {"random -0.1", "outside"},
        {"random 0.5 abc", "malformed"},
        {"random nan", "malformed"},
        {"random inf", "malformed"},
        {"random 0x0.8", "malformed"},
        {"random .", "malformed"},
        {"random 5.", "outside"},
        // The offending word, quoted short and safe for a terminal.
        {"click \x1b]0;title\x07", "unknown control '\\x1b]0;title\\x07'"},
        {"jump\0x"s, "'jump\\x00x'"},
        {"click \x7f\xc0\xafx", "'\\x7f\\xc0\\xafx'"},  // DEL, and an overlong UTF-8 sequence
        {"\xef\xbb\xbfstate", "unknown command '\\ufeffstate'"},
        {"click \xc2\x9b" "1m\xff\xc3" "D\xc3\xa9" "cor\\n", "'\\u009b1m\\xff\\xc3D\xc3\xa9" "cor\\\\n'"},
        {"click " + x100, "'" + x100.substr(0, 80) + "'... (100 bytes)"},
        {"state now", "too many"},
        {"press hard", "too many"},
    };
    for (const auto& [line, reason] : cases) {
        const Outcome run = Play(std::string("state\n# a comment\n\n") + line + "\nstate\n");
        EXPECT_EQ(run.status, 2) << line;
        EXPECT_EQ(run.out, std::string(kStartUpState) + "\n") << line;  // only the state before it
        EXPECT_NE(run.err.find("line 4"), std::string::npos) << line << ": " << run.err;
        EXPECT_NE(run.err.find(reason), std::string::npos) << line << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
        EXPECT_LT(run.err.size(), 200u) << run.err;
    }
}

TEST(ReplayProtocol, ExitEndsTheScriptAtOnce) {
    const Outcome run = Play("state\nclick Sortie\nstate\nthis is not a command\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.out, std::string(kStartUpState) + "\n");
    EXPECT_EQ(run.err, "");
}

}  // namespace
}  // namespace velmora::replay
