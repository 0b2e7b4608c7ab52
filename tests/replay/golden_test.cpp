// Golden replay scripts: tests/golden/*.golden are replay scripts written
// from the game's rules, with the expected state after each `state` command
// given as `=> ` lines. Each `=> ` line is a fragment of the state's JSON
// (for instance `=> "Score":"00009"`) that must appear in it as written.
// A script that ends in bad input says so with `!> ` lines: fragments of the
// driver's one-line message, which then ends it with status 2.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "replay_driver.h"

namespace velmora::replay {
namespace {

namespace fs = std::filesystem;

struct Golden {
    std::string script;
    std::vector<std::vector<std::pair<int, std::string>>> expectations;  // per state: (line, fragment)
    std::vector<std::string> error;                                       // fragments of the message
};

Golden Read(const fs::path& file) {
    std::ifstream in(file);
    Golden golden;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.rfind("!> ", 0) == 0 || line.rfind("=> ", 0) == 0) {
            if (line[0] == '!') golden.error.push_back(line.substr(3));
            else if (golden.expectations.empty()) ADD_FAILURE() << file << ":" << number << ": no state before it";
            else golden.expectations.back().emplace_back(number, line.substr(3));
            golden.script += "\n";  // keeps the driver's line numbers those of the file
            continue;
        }
        std::istringstream words(line);
        std::string command;
        words >> command;
        if (command == "state") golden.expectations.emplace_back();
        golden.script += line + "\n";
    }
    return golden;
}

std::vector<fs::path> GoldenFiles() {
    std::vector<fs::path> files;
    for (const auto& entry : fs::directory_iterator(VELMORA_GOLDEN_DIR))
        if (entry.path().extension() == ".golden") files.push_back(entry.path());
    std::sort(files.begin(), files.end());
    return files;
}

class GoldenScript : public ::testing::TestWithParam<fs::path> {};

TEST_P(GoldenScript, MatchesTheRules) {
    const Golden golden = Read(GetParam());
    std::istringstream in(golden.script);
    std::ostringstream out, err;
    ASSERT_EQ(RunScript(in, out, err), golden.error.empty() ? 0 : 2) << err.str();
    for (const std::string& fragment : golden.error) EXPECT_NE(err.str().find(fragment), std::string::npos) << err.str();

    std::istringstream states(out.str());
    for (const auto& expected : golden.expectations) {
        std::string state;
        ASSERT_TRUE(std::getline(states, state)) << "a state is missing";
        for (const auto& [line, fragment] : expected)
            EXPECT_NE(state.find(fragment), std::string::npos)
                << GetParam().filename().string() << ":" << line << ": expected " << fragment << "\n in " << state;
    }
}

INSTANTIATE_TEST_SUITE_P(Replay, GoldenScript, ::testing::ValuesIn(GoldenFiles()),
                         [](const auto& info) {
                             std::string name = info.param.stem().string();
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

}  // namespace
}  // namespace velmora::replay
