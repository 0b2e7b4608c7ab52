#pragma once

#include <QImage>

#include "card_style.h"
#include "suit_shapes.h"

class QPainter;

namespace velmora::painter {

// A new transparent card-sized picture with antialiasing ready to paint on.
QImage NewCardImage();

// The white rounded card with its thin grey border, shared by faces and back.
void PaintCardBlank(QPainter& painter);

// The picture of one card face; rank 1 is the Ace, 11 Jack, 12 Queen, 13 King.
QImage PaintFace(Suit suit, int rank, const CardFonts& fonts);

// The framed figure of a Jack, Queen or King (rank 11, 12 or 13), filling the
// middle of the card between the corner indices. Defined in court_cards.cpp.
void PaintCourtPanel(QPainter& painter, Suit suit, int rank, const CardFonts& fonts);

}  // namespace velmora::painter
