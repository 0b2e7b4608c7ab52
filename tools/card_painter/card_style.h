#pragma once

#include <QColor>
#include <QFont>
#include <QRectF>

namespace velmora::painter {

// One card picture, in pixels: twice the 72 x 97 it covers on the table.
inline constexpr int kCardWidth = 144;
inline constexpr int kCardHeight = 194;
inline constexpr qreal kCornerRadius = 10.0;

inline const QColor kFaceWhite{0xFF, 0xFC, 0xF4};
inline const QColor kBorderGrey{0x9A, 0x9A, 0x9A};
inline const QColor kGold{0xC8, 0x9B, 0x2C};
inline const QColor kGoldDark{0x8A, 0x66, 0x16};

// The fonts the pictures are lettered with, loaded once by main().
struct CardFonts {
    QFont index;   // rank indices in the corners (DejaVu Sans Bold)
    QFont letter;  // the large letters of the court cards and the back (DejaVu Serif Bold)
};

// The rounded outline of a card, half a pixel inside the picture so that the
// two-pixel border stays whole.
inline QRectF CardOutline() { return QRectF(1, 1, kCardWidth - 2, kCardHeight - 2); }

}  // namespace velmora::painter
