#pragma once

#include <string_view>

namespace velmora {

// The fixed captions the game writes, besides the pay lines, the credits and
// the win messages (payout/win_message.h). The window translates them.
inline constexpr std::string_view kStartCaption = "Press Deal to Start the Game";
inline constexpr std::string_view kKeepCaption = "Click inside the card you want to keep";
inline constexpr std::string_view kNextHandCaption = "Press Deal for next hand";
inline constexpr std::string_view kHoldCaption = "HOLD";

}  // namespace velmora
