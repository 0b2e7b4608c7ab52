#pragma once

#include <cstdint>
#include <string>

namespace velmora {

// Colours in the window system's &H00BBGGRR encoding (low byte is red).
using Colour = std::uint32_t;
inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kDarkGrey = 0x00404040;   // pay-table line, normal
inline constexpr Colour kGreen = 0x0000C000;      // pay-table line the hand makes
inline constexpr Colour kOrange = 0x000080FF;
inline constexpr Colour kLightOrange = 0x0080C0FF;
inline constexpr Colour kDarkRed = 0x000000C0;
inline constexpr Colour kLightGrey = 0x00C0C0C0;

// The screen-wide mouse pointer, which doubles as the table's busy flag.
inline constexpr int kDefaultPointer = 0;
inline constexpr int kHourglass = 11;

// Frames of a card control: 1..52 show that card's face, 53 the back.
inline constexpr std::int16_t kCardBack = 53;

// The picture file every card control is given at start-up.
inline constexpr const char* kCardPictureFile = "cartes.ccb";

struct Label {
    std::string Caption;
    bool Visible = true;
    Colour BackColor = kBlack;
};

struct Button {
    bool Visible = true;
    bool Enabled = true;
};

// What the game asks of a card picture control: a picture source and a frame.
struct CardControl {
    std::string PictureSource;
    std::int16_t Frame = kCardBack;
};

}  // namespace velmora
