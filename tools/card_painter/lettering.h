#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QString>

class QFont;

namespace velmora::painter {

// The outline of `text` set in `font`, scaled so that capital letters are
// exactly as high as `box`, with the glyphs packed `gap` apart (ink to ink),
// squeezed sideways only when wider than `box`, and centred on the
// horizontal middle of `box` with the capitals' top at the top of `box`.
QPainterPath LetterPath(const QString& text, const QFont& font, QRectF box, qreal gap);

}  // namespace velmora::painter
