#pragma once

#include <cstddef>
#include <iosfwd>
#include <optional>
#include <string>
#include <string_view>

#include "table/poker.h"

namespace velmora::replay {

// The longest line of a script, in bytes, not counting its end.
inline constexpr std::size_t kLongestLine = std::size_t{1} << 20;

// Runs a replay script (one command a line) against a fresh table on a
// virtual clock with a scriptable random source. Writes one JSON line to
// `out` for every `state` command. Returns the exit status: 0; 1 when `in`
// cannot be read, `out` written or memory runs out; 2 after bad input. Every
// failure is reported on `err` in one line, bad input with its line number.
// Unties `in` from any stream.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err);

// A word of a script as a message shows it, safe for a terminal: in quotes,
// at most 80 characters of it, control characters, invalid UTF-8 and a
// byte-order mark written as escapes (\x1b, \ufeff).
std::string Quoted(std::string_view word);

// How `advice` values a hold: under the table's own draw, which reads the
// old-card variables too, or as if from a shuffled deck (`advice deck`).
enum class AdviceDraw { Table, Deck };

// The best-hold advice for the five cards on the table as one line of JSON:
// the cards, how the draw was valued, the expected pay of each of the 32
// holds and the best hold. None unless the five card variables hold five
// different card codes.
std::optional<std::string> AdviceJson(const PokerState& form, AdviceDraw draw = AdviceDraw::Table);

// The table's state as one line of JSON, with `rolls` random values taken.
std::string StateJson(const PokerState& form, long long rolls);

}  // namespace velmora::replay
