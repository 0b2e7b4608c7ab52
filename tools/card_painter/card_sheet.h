#pragma once

#include <QImage>

#include "card_style.h"
#include "table/controls.h"

namespace velmora::painter {

inline constexpr int kSheetColumns = 13;
inline constexpr int kSheetRows = 5;

// The whole picture file: frame f (1..52) in row (f-1)/13, column (f-1)%13,
// the rows being Clubs, Diamonds, Hearts, Spades and the columns Ace to King;
// the back (frame 53) at the start of the fifth row; every other cell empty.
QImage PaintSheet(const CardFonts& fonts);

}  // namespace velmora::painter
