#pragma once

#include <string>
#include <string_view>

namespace velmora {

// "You Win 1 Point", or "You Win " then the amount with one leading blank in
// the place of its sign, then " Points": a Full House reads "You Win  8 Points".
inline constexpr std::string_view kOnePointWin = "You Win 1 Point";
inline constexpr std::string_view kWinBefore = "You Win  ", kWinAfter = " Points";

inline std::string WinMessage(int amount) {
    if (amount == 1) return std::string(kOnePointWin);
    return std::string(kWinBefore) + std::to_string(amount) + std::string(kWinAfter);
}

}  // namespace velmora
