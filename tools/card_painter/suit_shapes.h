#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPointF>

class QPainter;

namespace velmora::painter {

// Suit blocks in the order of the picture file's rows.
enum class Suit { Clubs = 1, Diamonds = 2, Hearts = 3, Spades = 4 };

bool IsRed(Suit suit);

// The ink a suit is printed in: a deep red or a near-black.
QColor SuitInk(Suit suit);

// The outline of a suit symbol, centred on the origin and fitted into the
// square from (-0.5, -0.5) to (0.5, 0.5), upright (y grows downwards).
QPainterPath SuitShape(Suit suit);

// Fills one suit symbol whose fitting square has side `size`, centred on
// `centre`; `upsideDown` turns it by 180 degrees about its centre.
void DrawPip(QPainter& painter, Suit suit, QPointF centre, qreal size, bool upsideDown = false);

}  // namespace velmora::painter
