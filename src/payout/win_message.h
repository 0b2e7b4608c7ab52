#pragma once

#include <string>

namespace velmora {

// "You Win 1 Point", or "You Win " then the amount with one leading blank in
// the place of its sign, then " Points": a Full House reads "You Win  8 Points".
inline std::string WinMessage(int amount) {
    if (amount == 1) return "You Win 1 Point";
    return "You Win  " + std::to_string(amount) + " Points";
}

}  // namespace velmora
