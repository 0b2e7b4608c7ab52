#include "arguments.h"

#include <string_view>

#include "pays_notation.h"
#include "replay_driver.h"

namespace velmora::strategy_tool {
namespace {

using std::string_view;

struct Name {
    string_view word;
    int value;
};

constexpr Name kCommands[] = {{"return", int(Command::Return)}, {"chart", int(Command::Chart)},
                              {"hold", int(Command::Hold)}};
constexpr Name kCharts[] = {{"basic", int(ChartChoice::Basic)},
                            {"exact", int(ChartChoice::Exact)},
                            {"beginner", int(ChartChoice::Beginner)},
                            {"perfect", int(ChartChoice::Perfect)}};

template <std::size_t N>
int Find(const Name (&names)[N], string_view word) {
    for (const Name& name : names)
        if (name.word == word) return name.value;
    return -1;
}

}  // namespace

std::variant<Arguments, std::string> ParseArguments(int argc, const char* const argv[]) {
    Arguments arguments;
    bool command = false, help = false, version = false, chart = false;
    for (int i = 1; i < argc; ++i) {
        const string_view word = argv[i];
        if (word == "--help" || word == "-h") {
            help = true;
            continue;
        }
        if (word == "--version") {
            version = true;
            continue;
        }
        if (word == "--json") {
            arguments.json = true;
            continue;
        }
        if (!word.starts_with('-')) {
            const int found = Find(kCommands, word);
            if (command || found < 0) return "unexpected argument " + replay::Quoted(word);
            arguments.command = Command(found);
            command = true;
            continue;
        }
        const string_view option = word.substr(0, word.find('='));
        if (option != "--pays" && option != "--chart") return "unknown option " + replay::Quoted(word);
        string_view value;
        if (option.size() < word.size()) {
            value = word.substr(option.size() + 1);
        } else if (i + 1 < argc) {
            value = argv[++i];
        } else {
            return "missing value after " + replay::Quoted(word);
        }
        if (option == "--pays") {
            auto pays = ParsePays(value);
            if (auto* bad = std::get_if<std::string>(&pays)) return *bad;
            arguments.pays = std::get<strategy::Pays>(pays);
        } else {
            const int found = Find(kCharts, value);
            if (found < 0) return "unknown chart " + replay::Quoted(value) + "; the charts are basic, exact and beginner";
            arguments.chart = ChartChoice(found);
            chart = true;
        }
    }
    if (help || version) {
        arguments.command = help ? Command::Help : Command::Version;
        return arguments;
    }
    if (!command) return "a command is needed: return, chart or hold";
    if (arguments.command == Command::Return && chart) return "'return' gives every chart's return; it takes no --chart";
    if (arguments.json && arguments.command != Command::Chart) return "only 'chart' takes --json";
    if (arguments.chart == ChartChoice::Perfect && arguments.command != Command::Hold)
        return "the chart 'perfect' is for 'hold' only";
    return arguments;
}

}  // namespace velmora::strategy_tool
