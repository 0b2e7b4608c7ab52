#pragma once

#include <iosfwd>
#include <string>

#include "table/poker.h"

namespace velmora::replay {

// Runs a replay script (one command a line) against a fresh table on a
// virtual clock with a scriptable random source. Writes one JSON line to
// `out` for every `state` command. Returns the exit status: 0, or 2 after
// bad input, which is reported on `err` with its line number.
int RunScript(std::istream& in, std::ostream& out, std::ostream& err);

// The table's state as one line of JSON, with `rolls` random values taken.
std::string StateJson(const Poker& form, long long rolls);

}  // namespace velmora::replay
