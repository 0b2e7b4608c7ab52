#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "strategy/pays.h"

namespace velmora::strategy_tool {

// The largest pay --pays takes for one hand, per credit bet.
inline constexpr int kLargestPay = 1'000'000;

// Reads a pay table: the names "9/6" and "8/5", or nine pays per credit,
// Royal Flush first and Jacks or Better last, separated by commas
// ("800,50,25,9,6,4,3,2,1"), each a whole number from 1 to kLargestPay.
// Returns the pays, or what is wrong in words.
std::variant<strategy::Pays, std::string> ParsePays(std::string_view text);

// The nine pays as --pays takes them, Royal Flush first.
std::string PaysText(const strategy::Pays& pays);

}  // namespace velmora::strategy_tool
