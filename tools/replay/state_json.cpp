#include <array>
#include <sstream>
#include <string_view>

#include "replay_driver.h"
#include "table/control_table.h"

namespace velmora::replay {
namespace {

class JsonWriter {
public:
    std::string Text() const { return out_.str(); }

    void Key(std::string_view key) {
        Separate();
        String(key);
        out_ << ':';
        afterKey_ = true;
    }
    void Open(char bracket) {
        Separate();
        out_ << bracket;
        first_ = true;
    }
    void Close(char bracket) {
        out_ << bracket;
        first_ = false;
    }
    void Value(bool b) { Separate(), out_ << (b ? "true" : "false"); }
    void Value(long long n) { Separate(), out_ << n; }
    void Value(std::string_view s) { Separate(), String(s); }

private:
    void Separate() {
        if (afterKey_) afterKey_ = false;
        else if (!first_) out_ << ',';
        first_ = false;
    }
    void String(std::string_view s) {
        out_ << '"';
        for (const char c : s) {
            if (c == '"' || c == '\\') out_ << '\\' << c;
            else if (static_cast<unsigned char>(c) < 0x20) {
                static constexpr char kHex[] = "0123456789abcdef";
                out_ << "\\u00" << kHex[(c >> 4) & 0xF] << kHex[c & 0xF];
            } else out_ << c;
        }
        out_ << '"';
    }

    std::ostringstream out_;
    bool first_ = true;
    bool afterKey_ = false;
};

template <class Numbers>
void NumberArray(JsonWriter& json, std::string_view key, const Numbers& numbers) {
    json.Key(key);
    json.Open('[');
    for (const auto n : numbers) json.Value(static_cast<long long>(n));
    json.Close(']');
}

}  // namespace

std::string StateJson(const PokerState& form, long long rolls) {
    JsonWriter json;
    json.Open('{');
    json.Key("time"), json.Value(static_cast<long long>(form.Timers.Now()));
    json.Key("rolls"), json.Value(rolls);
    json.Key("about"), json.Value(form.AboutOpen);
    json.Key("pointer"), json.Value(static_cast<long long>(form.MousePointer));
    json.Key("focus"), json.Value(EntryOf(form.Focus).name);
    json.Key(kScoreName), json.Value(std::string_view(form.Score.Caption));
    json.Key(kPanelName), json.Value(std::string_view(form.Panel.Caption));

    json.Key("buttons");
    json.Open('{');
    for (const ButtonEntry& entry : kButtons) {
        const Button& button = form.*entry.member;
        json.Key(entry.name);
        json.Open('{');
        json.Key("visible"), json.Value(button.Visible);
        json.Key("enabled"), json.Value(button.Enabled);
        json.Close('}');
    }
    json.Close('}');

    json.Key(kHoldMarkerPrefix);
    json.Open('[');
    for (const Label& hold : form.Hold) json.Value(hold.Visible);
    json.Close(']');

    json.Key(kPicturePrefix);
    json.Open('[');
    for (const CardControl& picture : form.Picture) json.Value(static_cast<long long>(picture.Frame));
    json.Close(']');

    json.Key("paytable");
    json.Open('{');
    for (const PayLineEntry& line : kPayLines)
        json.Key(line.name), json.Value(static_cast<long long>((form.*line.member).BackColor));
    json.Close('}');

    json.Key(kTimerPrefix);
    json.Open('[');
    for (int timer = 1; timer <= Scheduler::kTimerCount; ++timer) {
        json.Open('{');
        json.Key("enabled"), json.Value(form.Timers.Enabled(timer));
        json.Key("interval"), json.Value(static_cast<long long>(form.Timers.Interval(timer)));
        json.Close('}');
    }
    json.Close(']');

    NumberArray(json, "Card", form.Card);
    NumberArray(json, "OldCard", form.OldCard);
    json.Key("WinAmount"), json.Value(static_cast<long long>(form.WinAmount));
    json.Key("DoubleStep"), json.Value(static_cast<long long>(form.DoubleStep));
    json.Key("DoubleRoll"), json.Value(static_cast<long long>(form.DoubleRoll));
    json.Key("HandPay"), json.Value(static_cast<long long>(form.HandPay));
    json.Close('}');
    return json.Text();
}

}  // namespace velmora::replay
