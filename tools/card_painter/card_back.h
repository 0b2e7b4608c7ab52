#pragma once

#include <QImage>

#include "card_style.h"

namespace velmora::painter {

// The back shared by every card: a navy field with a white margin, a fine
// lattice, and a gold-ringed medallion with the monogram "V".
QImage PaintBack(const CardFonts& fonts);

}  // namespace velmora::painter
