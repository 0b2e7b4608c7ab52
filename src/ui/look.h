#pragma once

#include <QColor>
#include <QFont>
#include <QString>

#include "table/controls.h"

namespace velmora::ui {

// &H00BBGGRR, low byte red.
inline QColor ToQColor(Colour bgr) { return QColor(bgr & 0xFF, (bgr >> 8) & 0xFF, (bgr >> 16) & 0xFF); }

// The table's faces: DejaVu Sans stands in for the sans serif of the design
// and DejaVu Sans Mono for its fixed-pitch pay table.
QFont SansFont(double points, bool bold);
QFont FixedPitchFont(double points, bool bold);

// `font`, made smaller only as far as needed for `text` to fit `width`
// device-independent pixels.
QFont FitToWidth(QFont font, const QString& text, int width);

}  // namespace velmora::ui
