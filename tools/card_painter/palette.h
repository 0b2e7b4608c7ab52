#pragma once

#include <QImage>

namespace velmora::painter {

// The picture with at most 256 colours, as an 8-bit palette image: median
// cut over the colours it uses, each weighted by how often it appears, with
// one entry kept for fully transparent pixels. A palette PNG of the card
// sheet decodes in a third of the time, into a quarter of the memory, and
// looks the same: the cards use a few thousand colours, most of them the
// edges of a few dozen.
QImage ToPalette(const QImage& picture);

}  // namespace velmora::painter
