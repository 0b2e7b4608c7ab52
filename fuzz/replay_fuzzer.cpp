// Fuzzes velmora-replay: any script at all, run through RunScript() as the
// program runs it, must end with status 0, or 2 for bad input (1 is for
// reads and writes that fail, which strings cannot); it must print the same
// when run again; what it prints must be
// whole lines, each one JSON object with the keys of the state or of the
// advice, its time never past the clock's end; and a message, only with
// status 2, must be one line that names the script's line.

#include <cctype>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "replay_driver.h"
#include "table/scheduler.h"

namespace {

// Stops the run as a crash, so that libFuzzer keeps the input that broke a promise.
void Require(bool condition) {
    if (!condition) std::abort();
}

// A JSON reader just strict enough to check the driver's lines: it accepts
// one value of the JSON grammar (no white space, as the driver writes none)
// and notes the keys of the outermost object and its integers.
class JsonLine {
public:
    explicit JsonLine(std::string_view text) : text_(text) {}

    // True when the whole line is one object.
    bool ReadObject() { return Peek() == '{' && Value(0) && at_ == text_.size(); }
    const std::vector<std::string>& Keys() const { return keys_; }
    long long Integer(std::string_view key) const {
        for (std::size_t i = 0; i < keys_.size(); ++i)
            if (keys_[i] == key) return integers_[i];
        return -1;
    }

private:
    char Peek() const { return at_ < text_.size() ? text_[at_] : '\0'; }
    bool Take(char c) { return Peek() == c ? (++at_, true) : false; }
    bool Literal(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    bool String(std::string* out) {
        if (!Take('"')) return false;
        while (at_ < text_.size() && text_[at_] != '"') {
            const auto c = static_cast<unsigned char>(text_[at_++]);
            if (c < 0x20) return false;
            if (c == '\\') {
                const char escaped = Peek();
                ++at_;
                if (escaped == 'u') {
                    for (int k = 0; k < 4; ++k, ++at_)
                        if (!std::isxdigit(static_cast<unsigned char>(Peek()))) return false;
                } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
                    return false;
                }
            } else if (out) {
                *out += static_cast<char>(c);
            }
        }
        return Take('"');
    }

    // A number; `integer` is set when it is a whole one that fits.
    bool Number(long long* integer) {
        const std::size_t start = at_;
        Take('-');
        if (Take('0')) {
        } else if (Peek() >= '1' && Peek() <= '9') {
            while (std::isdigit(static_cast<unsigned char>(Peek()))) ++at_;
        } else {
            return false;
        }
        bool whole = true;
        if (Take('.')) {
            whole = false;
            if (!std::isdigit(static_cast<unsigned char>(Peek()))) return false;
            while (std::isdigit(static_cast<unsigned char>(Peek()))) ++at_;
        }
        if (Take('e') || Take('E')) {
            whole = false;
            if (!Take('+')) Take('-');
            if (!std::isdigit(static_cast<unsigned char>(Peek()))) return false;
            while (std::isdigit(static_cast<unsigned char>(Peek()))) ++at_;
        }
        if (whole && integer) *integer = std::strtoll(std::string(text_.substr(start, at_ - start)).c_str(), nullptr, 10);
        return true;
    }

    bool Value(int depth) {
        if (depth > 8) return false;
        if (Take('{')) {
            if (Take('}')) return true;
            do {
                std::string key;
                long long integer = -1;
                if (!String(&key) || !Take(':')) return false;
                if (depth == 0 && (Peek() == '-' || std::isdigit(static_cast<unsigned char>(Peek())))) {
                    if (!Number(&integer)) return false;
                } else if (!Value(depth + 1)) {
                    return false;
                }
                if (depth == 0) keys_.push_back(key), integers_.push_back(integer);
            } while (Take(','));
            return Take('}');
        }
        if (Take('[')) {
            if (Take(']')) return true;
            do
                if (!Value(depth + 1)) return false;
            while (Take(','));
            return Take(']');
        }
        if (Peek() == '"') return String(nullptr);
        if (Literal("true") || Literal("false") || Literal("null")) return true;
        return Number(nullptr);
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::vector<std::string> keys_;
    std::vector<long long> integers_;
};

const std::vector<std::string> kStateKeys = {
    "time",  "rolls",   "about", "pointer", "focus", "Score",     "Panel",      "buttons",    "Hold",
    "Picture", "paytable", "Timer", "Card",  "OldCard", "WinAmount", "DoubleStep", "DoubleRoll", "HandPay"};
const std::vector<std::string> kAdviceKeys = {"cards", "draw", "ev", "best"};

// The advice weighs every hold of the cards over all the draws: a tenth of
// a second or so in this build. A script of hundreds of them is only slow.
constexpr int kMostAdvice = 8;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string script(reinterpret_cast<const char*>(data), size);
    int advice = 0;
    for (std::size_t at = script.find("advice"); at != std::string::npos; at = script.find("advice", at + 1))
        if (++advice > kMostAdvice) return -1;  // not added to the corpus

    std::istringstream in(script), inAgain(script);
    std::ostringstream out, err, outAgain, errAgain;
    const int status = velmora::replay::RunScript(in, out, err);
    Require(status == 0 || status == 2);
    // A script always plays the same: forced values or not, a second run
    // prints the same, so that any input kept here fails again.
    Require(velmora::replay::RunScript(inAgain, outAgain, errAgain) == status);
    Require(outAgain.str() == out.str() && errAgain.str() == err.str());

    const std::string printed = out.str();
    Require(printed.empty() || printed.back() == '\n');
    std::istringstream lines(printed);
    for (std::string line; std::getline(lines, line);) {
        JsonLine json(line);
        Require(json.ReadObject());
        Require(json.Keys() == kStateKeys || json.Keys() == kAdviceKeys);
        if (json.Keys() == kStateKeys) {
            const long long time = json.Integer("time");
            Require(time >= 0 && time <= velmora::Scheduler::kEndOfTime);
            Require(json.Integer("rolls") >= 0);
        }
    }

    const std::string message = err.str();
    if (status == 0) {
        Require(message.empty());
    } else {
        Require(message.rfind("velmora-replay: line ", 0) == 0 && message.back() == '\n');
        // At most 80 characters of a word are quoted, each at most 6 bytes as an escape.
        Require(message.find('\n') == message.size() - 1 && message.size() < 80 * 6 + 200);
    }
    return 0;
}
