#include "pays_notation.h"

#include <charconv>

#include "replay_driver.h"

namespace velmora::strategy_tool {
namespace {

using strategy::HandClass;

// The classes that pay, in the order --pays lists them.
constexpr HandClass kPayOrder[] = {HandClass::RoyalFlush,   HandClass::StraightFlush, HandClass::FourOfAKind,
                                   HandClass::FullHouse,    HandClass::Flush,         HandClass::Straight,
                                   HandClass::ThreeOfAKind, HandClass::TwoPairs,      HandClass::JacksOrBetter};

}  // namespace

std::variant<strategy::Pays, std::string> ParsePays(std::string_view text) {
    if (text == "9/6") return strategy::NineSixPays();
    if (text == "8/5") return strategy::EightFivePays();
    std::string bad = "bad pays " + replay::Quoted(text) + ": ";
    const std::string_view wanted = "9/6, 8/5 or nine pays separated by commas, Royal Flush first";
    strategy::Pays pays;
    std::size_t at = 0;
    for (const HandClass handClass : kPayOrder) {
        if (handClass != kPayOrder[0]) {
            if (at == text.size() || text[at] != ',') return bad.append(wanted);
            ++at;
        }
        int pay = 0;
        const auto [end, error] = std::from_chars(text.data() + at, text.data() + text.size(), pay);
        if (end == text.data() + at) return bad.append(wanted);
        if (error != std::errc{} || pay < 1 || pay > kLargestPay)
            return bad + "each pay is from 1 to " + std::to_string(kLargestPay);
        pays.credits[Index(handClass)] = pay;
        at = std::size_t(end - text.data());
    }
    if (at != text.size()) return bad.append(wanted);
    return pays;
}

std::string PaysText(const strategy::Pays& pays) {
    std::string text;
    for (const HandClass handClass : kPayOrder) {
        if (!text.empty()) text += ',';
        text += std::to_string(pays[handClass]);
    }
    return text;
}

}  // namespace velmora::strategy_tool
