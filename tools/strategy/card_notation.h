#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "strategy/hold_values.h"

// Cards in poker notation: a rank (2-9, T, J, Q, K, A) and a suit (c, d, h,
// s), as in "As" or "Td". Suit blocks 1 to 4 are clubs, diamonds, hearts and
// spades, as the card pictures show them.
namespace velmora::strategy_tool {

// The two letters of a card code (1..52).
std::string_view CardName(int code);

// The card code a word names, or 0 when it names none.
int CardCode(std::string_view word);

// Reads a deal: five different cards separated by blanks (spaces, tabs, a
// CR at the end). Returns what is wrong in words, or nothing when `deal`
// holds the five codes in their order.
std::optional<std::string> ParseDeal(std::string_view line, strategy::Deal& deal);

}  // namespace velmora::strategy_tool
