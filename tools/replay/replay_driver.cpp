#include "replay_driver.h"

#include <charconv>
#include <cmath>
#include <istream>
#include <limits>
#include <optional>
#include <ostream>
#include <sstream>
#include <string_view>
#include <vector>

#include "table/control_table.h"
#include "table/random_source.h"

namespace velmora::replay {
namespace {

struct BadInput {
    std::string message;
};

std::vector<std::string> Words(const std::string& line) {
    std::istringstream stream(line);
    std::vector<std::string> words;
    for (std::string word; stream >> word;) words.push_back(word);
    return words;
}

// The slot of a click area's name, "Label1".."Label5", or 0.
int ClickAreaSlot(std::string_view name) {
    if (name.size() != kClickAreaPrefix.size() + 1 || !name.starts_with(kClickAreaPrefix)) return 0;
    const int slot = name.back() - '0';
    return slot >= 1 && slot <= kSlotCount ? slot : 0;
}

// A decimal in [0, 1), as a single-precision roll. A decimal so close to 1
// that it rounds to 1 as a float becomes the largest float below 1.
float ParseRoll(const std::string& word) {
    double value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value, std::chars_format::fixed);
    if (ec != std::errc() || ptr != end || !std::isfinite(value))
        throw BadInput{"malformed random value '" + word + "'"};
    if (value < 0.0 || value >= 1.0) throw BadInput{"random value '" + word + "' is outside [0, 1)"};
    const float roll = static_cast<float>(value);
    return roll < 1.0f ? roll : std::nextafter(1.0f, 0.0f);
}

Millis ParseMillis(const std::string& word) {
    Millis value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    if (ec != std::errc() || ptr != end || word.front() == '-')
        throw BadInput{"malformed number of milliseconds '" + word + "'"};
    // Keep the clock far from overflowing whatever is added to it.
    if (value > std::numeric_limits<Millis>::max() / 4) throw BadInput{"'" + word + "' milliseconds is too far"};
    return value;
}

void ExpectArguments(const std::vector<std::string>& words, std::size_t count) {
    if (words.size() - 1 < count) throw BadInput{"'" + words[0] + "' needs " + std::to_string(count) + " argument(s)"};
    if (words.size() - 1 > count) throw BadInput{"too many arguments to '" + words[0] + "'"};
}

class Session {
public:
    Session() : random_(ProcessRandom()), form_(random_) {}

    // Runs one command; returns false once the program has ended.
    bool Run(const std::vector<std::string>& words, std::ostream& out) {
        const std::string& command = words[0];
        if (command == "random") {
            if (words.size() < 2) throw BadInput{"'random' needs at least one value"};
            std::vector<float> rolls;
            for (std::size_t i = 1; i < words.size(); ++i) rolls.push_back(ParseRoll(words[i]));
            for (const float roll : rolls) random_.Queue(roll);
        } else if (command == "click") {
            ExpectArguments(words, 1);
            if (const ButtonEntry* button = ButtonNamed(words[1])) form_.Click(*button);
            else if (const int slot = ClickAreaSlot(words[1])) form_.ClickLabel(slot);
            else if (words[1] == kAboutOkName) form_.ClickOk();
            else throw BadInput{"unknown control '" + words[1] + "'"};
        } else if (command == "dblclick") {
            ExpectArguments(words, 1);
            const int slot = ClickAreaSlot(words[1]);
            if (!slot) throw BadInput{"'" + words[1] + "' has no double-click event; use Label1 to Label5"};
            form_.DblClick(slot);
        } else if (command == "press") {
            ExpectArguments(words, 0);
            form_.Press();
        } else if (command == "advance") {
            ExpectArguments(words, 1);
            form_.AdvanceTo(form_.Timers.Now() + ParseMillis(words[1]));
        } else if (command == "state") {
            ExpectArguments(words, 0);
            out << StateJson(form_, random_.Rolls()) << '\n';
        } else {
            throw BadInput{"unknown command '" + command + "'"};
        }
        return !form_.Ended;
    }

private:
    ScriptedRandom random_;
    Poker form_;
};

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err) {
    Session session;
    long lineNumber = 0;
    for (std::string line; std::getline(in, line);) {
        ++lineNumber;
        if (!line.empty() && line.back() == '\r') line.pop_back();
        const auto words = Words(line);
        if (words.empty() || words[0].front() == '#') continue;
        try {
            if (!session.Run(words, out)) return 0;
        } catch (const BadInput& bad) {
            out.flush();
            err << "velmora-replay: line " << lineNumber << ": " << bad.message << '\n';
            return 2;
        }
    }
    return 0;
}

}  // namespace velmora::replay
