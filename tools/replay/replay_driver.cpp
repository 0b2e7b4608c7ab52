#include "replay_driver.h"

#include <algorithm>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstring>
#include <istream>
#include <optional>
#include <ostream>
#include <new>
#include <string_view>
#include <vector>

#include "table/control_table.h"
#include "table/random_source.h"

namespace velmora::replay {
namespace {

struct BadInput {
    std::string message;
};

// The most characters of a word that a message quotes.
constexpr std::size_t kQuotedLength = 80;

// Appends an escape such as \x1b or \ufeff: `kind`, then `value` in `digits` hex digits.
void AppendEscape(std::string& text, char kind, unsigned value, int digits) {
    static constexpr char kHex[] = "0123456789abcdef";
    text += '\\';
    text += kind;
    for (int shift = 4 * (digits - 1); shift >= 0; shift -= 4) text += kHex[(value >> shift) & 0xF];
}

// The length of the UTF-8 sequence at the start of `bytes` and its code
// point; a length of 0 when it is not one.
std::pair<std::size_t, char32_t> Utf8At(std::string_view bytes) {
    const auto lead = static_cast<unsigned char>(bytes[0]);
    const std::size_t length = lead < 0x80 ? 1 : lead < 0xC2 ? 0 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : lead < 0xF5 ? 4 : 0;
    if (length == 0 || length > bytes.size()) return {0, 0};
    char32_t code = length == 1 ? lead : lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(bytes[k]);
        if ((next & 0xC0) != 0x80) return {0, 0};
        code = code << 6 | (next & 0x3F);
    }
    // Overlong forms, surrogates and code points past U+10FFFF are not UTF-8.
    const bool overlong = (length == 3 && code < 0x800) || (length == 4 && code < 0x10000);
    if (overlong || (code >= 0xD800 && code < 0xE000) || code > 0x10FFFF) return {0, 0};
    return {length, code};
}

}  // namespace

std::string Quoted(std::string_view word) {
    std::string text = "'";
    std::size_t at = 0;
    for (std::size_t shown = 0; at < word.size() && shown < kQuotedLength; ++shown) {
        const auto [length, code] = Utf8At(word.substr(at));
        if (length == 0 || code < 0x20 || code == 0x7F) {
            AppendEscape(text, 'x', static_cast<unsigned char>(word[at]), 2);
            at += 1;
            continue;
        }
        if ((code >= 0x80 && code < 0xA0) || code == 0xFEFF) AppendEscape(text, 'u', code, 4);
        else if (code == '\\') text += "\\\\";
        else text.append(word.substr(at, length));
        at += length;
    }
    text += '\'';
    if (at < word.size()) text += "... (" + std::to_string(word.size()) + " bytes)";
    return text;
}

namespace {

// The words of a line, split at white space (so a line may end in CR LF).
// Plain string work, so that running out of memory throws rather than
// ending the list early.
std::vector<std::string> Words(std::string_view line) {
    constexpr std::string_view kSpace = " \t\n\v\f\r";
    std::vector<std::string> words;
    for (std::size_t start = line.find_first_not_of(kSpace); start != line.npos;) {
        const std::size_t end = std::min(line.find_first_of(kSpace, start), line.size());
        words.emplace_back(line.substr(start, end - start));
        start = line.find_first_not_of(kSpace, end);
    }
    return words;
}

enum class LineRead { kLine, kEnd, kTooLong };

// Reads the next line, without its end, into `line`; never more than
// kLongestLine bytes of it.
LineRead ReadLine(std::istream& in, std::string& line) {
    line.clear();
    for (char c; in.get(c);) {
        if (c == '\n') return LineRead::kLine;
        if (line.size() == kLongestLine) return LineRead::kTooLong;
        line += c;
    }
    return line.empty() ? LineRead::kEnd : LineRead::kLine;
}

// The slot of a click area's name, "Label1".."Label5", or 0.
int ClickAreaSlot(std::string_view name) {
    if (name.size() != kClickAreaPrefix.size() + 1 || !name.starts_with(kClickAreaPrefix)) return 0;
    const int slot = name.back() - '0';
    return slot >= 1 && slot <= kSlotCount ? slot : 0;
}

// A decimal in [0, 1) (digits, a point and digits, the integer part zero),
// as a single-precision roll: the nearest float, except that a decimal so
// close to 1 that it rounds to 1 becomes the largest float below 1.
float ParseRoll(const std::string& word) {
    const std::string_view text = word.front() == '-' ? std::string_view(word).substr(1) : std::string_view(word);
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction = point == text.npos ? std::string_view() : text.substr(point + 1);
    const auto digits = [](std::string_view part) {
        return std::all_of(part.begin(), part.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.size() + fraction.size() == 0 || !digits(whole) || !digits(fraction))
        throw BadInput{"malformed random value " + Quoted(word)};
    const auto zero = [](std::string_view part) { return part.find_first_not_of('0') == part.npos; };
    if (!zero(whole) || (text.size() != word.size() && !zero(fraction)))
        throw BadInput{"random value " + Quoted(word) + " is outside [0, 1)"};
    // The fraction alone, so that no integer part however long can matter; a
    // value too small for a double is out of range and stays 0.
    const std::string decimal = "0." + std::string(fraction) + "0";
    double value = 0;
    std::from_chars(decimal.data(), decimal.data() + decimal.size(), value, std::chars_format::fixed);
    const float roll = static_cast<float>(value);
    return roll < 1.0f ? roll : std::nextafter(1.0f, 0.0f);
}

// A whole number of milliseconds that the clock, now at `now`, can move on by.
Millis ParseMillis(const std::string& word, Millis now) {
    Millis value = 0;
    const char* end = word.data() + word.size();
    const auto [ptr, ec] = std::from_chars(word.data(), end, value);
    const bool tooLarge = ec == std::errc::result_out_of_range || (ec == std::errc() && value > Scheduler::kEndOfTime - now);
    if (ptr != end || word.front() == '-' || (ec != std::errc() && !tooLarge))
        throw BadInput{"malformed number of milliseconds " + Quoted(word)};
    if (tooLarge)
        throw BadInput{"advance " + Quoted(word) + " would carry the clock past " +
                       std::to_string(Scheduler::kEndOfTime) + " ms, the latest time it can count"};
    return value;
}

void ExpectArguments(const std::vector<std::string>& words, std::size_t count) {
    if (words.size() - 1 < count) throw BadInput{Quoted(words[0]) + " needs " + std::to_string(count) + " argument(s)"};
    if (words.size() - 1 > count) throw BadInput{"too many arguments to " + Quoted(words[0])};
}

// The cards are face up: each picture shows the card its slot holds.
bool FaceUp(const PokerState& form) {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (form.Picture[slot].Frame != form.Card[slot]) return false;
    return true;
}

class Session {
public:
    // The generator reads the virtual clock as the time of day, midnight at
    // the start, and starts from that reading as the game starts from its own.
    Session() : generator_(VirtualTimeOfDay(0), [this] { return VirtualTimeOfDay(form_.State().Timers.Now()); }),
                random_(generator_), form_(random_) {}

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
            else throw BadInput{"unknown control " + Quoted(words[1])};
        } else if (command == "dblclick") {
            ExpectArguments(words, 1);
            const int slot = ClickAreaSlot(words[1]);
            if (!slot) throw BadInput{Quoted(words[1]) + " has no double-click event; use Label1 to Label5"};
            form_.DblClick(slot);
        } else if (command == "press") {
            ExpectArguments(words, 0);
            form_.Press();
        } else if (command == "advance") {
            ExpectArguments(words, 1);
            form_.AdvanceTo(form_.State().Timers.Now() + ParseMillis(words[1], form_.State().Timers.Now()));
        } else if (command == "state") {
            ExpectArguments(words, 0);
            out << StateJson(form_.State(), random_.Rolls()) << '\n';
        } else if (command == "advice") {
            if (words.size() > 2) throw BadInput{"too many arguments to 'advice'"};
            if (words.size() == 2 && words[1] != "deck")
                throw BadInput{"'advice' takes nothing or 'deck', not " + Quoted(words[1])};
            if (!FaceUp(form_.State())) throw BadInput{"'advice' needs the five cards face up"};
            const auto advice = AdviceJson(form_.State(), words.size() == 2 ? AdviceDraw::Deck : AdviceDraw::Table);
            if (!advice) throw BadInput{"'advice' needs five different cards on the table"};
            out << *advice << '\n';
        } else {
            throw BadInput{"unknown command " + Quoted(command)};
        }
        return !form_.State().Ended;
    }

private:
    // Nanoseconds since midnight at virtual time t.
    static std::uint64_t VirtualTimeOfDay(Millis t) { return static_cast<std::uint64_t>(t) * 1'000'000; }

    ClockSeededGenerator generator_;
    ScriptedRandom random_;
    Poker form_;
};

// Reports a failed read or write: what failed, and why when the system said.
int InputOutputError(std::ostream& err, const char* what, int error) {
    err << "velmora-replay: cannot " << what;
    if (error != 0) err << ": " << std::strerror(error);
    err << '\n';
    return 1;
}

}  // namespace

int RunScript(std::istream& in, std::ostream& out, std::ostream& err) {
    // A stream tied to `in` would be written at each read, where a failure's
    // reason could be lost; the output is written only below.
    in.tie(nullptr);
    long lineNumber = 0;
    try {
        Session session;
        for (std::string line;;) {
            errno = 0;  // so that a failure's reason is its own
            const LineRead read = ReadLine(in, line);
            if (read == LineRead::kEnd) break;
            ++lineNumber;
            if (read == LineRead::kTooLong)
                throw BadInput{"longer than " + std::to_string(kLongestLine) + " bytes"};
            const auto words = Words(line);
            if (words.empty() || words[0].front() == '#') continue;
            errno = 0;
            const bool goesOn = session.Run(words, out);
            if (!out) return InputOutputError(err, "write the output", errno);
            if (!goesOn) break;
        }
    } catch (const BadInput& bad) {
        out.flush();
        err << "velmora-replay: line " << lineNumber << ": " << bad.message << '\n';
        return 2;
    } catch (const std::bad_alloc&) {
        out.flush();
        err << "velmora-replay: ";
        if (lineNumber > 0) err << "line " << lineNumber << ": ";
        err << "out of memory\n";
        return 1;
    }
    if (in.bad()) return InputOutputError(err, "read the script", errno);
    errno = 0;
    if (!out.flush()) return InputOutputError(err, "write the output", errno);
    return 0;
}

}  // namespace velmora::replay
