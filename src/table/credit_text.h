#pragma once

#include <string>
#include <string_view>

namespace velmora {

// The credits live only as the caption of Score. Reading takes the leading
// number, with an optional minus sign; anything else reads as 0.
double ReadCredits(std::string_view caption);

// At least five digits, zero-padded, a minus sign in front when negative, all
// digits when longer: 9 -> "00009", -1 -> "-00001", 100003 -> "100003".
std::string WriteCredits(double credits);

}  // namespace velmora
