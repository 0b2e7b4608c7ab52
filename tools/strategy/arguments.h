#pragma once

#include <string>
#include <variant>

#include "strategy/pays.h"

namespace velmora::strategy_tool {

enum class Command { Help, Version, Return, Chart, Hold };

// The strategy a command follows: one of the three charts, or the best hold
// of each deal (hold only).
enum class ChartChoice { Basic, Exact, Beginner, Perfect };

struct Arguments {
    Command command = Command::Help;
    strategy::Pays pays = strategy::GamePays();
    ChartChoice chart = ChartChoice::Basic;
    bool json = false;
};

// Reads the command line: a command (return, chart or hold) and its options,
// --pays P or --pays=P, --chart C, --json; or --help (-h) or --version
// alone. Returns the arguments, or what is wrong in words.
std::variant<Arguments, std::string> ParseArguments(int argc, const char* const argv[]);

}  // namespace velmora::strategy_tool
