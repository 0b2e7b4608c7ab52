#pragma once

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>

#include "strategy/hold_values.h"

namespace velmora::strategy_tool {

// The longest line `hold` reads, in bytes, not counting its end.
inline constexpr std::size_t kLongestLine = std::size_t{1} << 16;

// What a strategy holds on a deal: the hold (see hold_values.h) and the
// chart line that says so, numbered from 1, with its words.
struct HoldChoice {
    int hold = 0;
    int line = 0;
    std::string_view rule;
};

using HoldChooser = std::function<HoldChoice(const strategy::Deal&)>;

// Appends `text` as a JSON string, in quotes.
void AppendJsonString(std::string& out, std::string_view text);

// Appends the answer for one deal as a line of JSON:
//   {"held":["As","Kd"],"line":5,"rule":"..."}
// the held cards in the deal's order.
void AppendHoldLine(std::string& out, const strategy::Deal& deal, const HoldChoice& choice);

// Reads deals from `in`, one a line, and writes one answer line each to
// `out`. Returns the exit status: 0; 2 at a line that is not a deal (the
// answers to the lines before it are written, nothing after); 1 when `in`
// cannot be read or `out` written. A failure is said in one line on `err`.
// Reads `in`'s file descriptor itself, in large blocks, and writes the
// answers it has before it waits for more input.
int AnswerDeals(std::FILE* in, std::FILE* out, std::FILE* err, const HoldChooser& choose);

}  // namespace velmora::strategy_tool
