#include "ui/look.h"

#include <QFontMetricsF>
#include <algorithm>

namespace velmora::ui {

QFont SansFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FixedPitchFont(double points, bool bold) {
    QFont font(QStringLiteral("DejaVu Sans Mono"));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

QFont FitToWidth(QFont font, const QString& text, int width) {
    for (int attempt = 0; attempt < 40; ++attempt) {
        const qreal advance = QFontMetricsF(font).horizontalAdvance(text);
        if (advance <= width || font.pointSizeF() <= 4.0) break;
        font.setPointSizeF(std::max(4.0, font.pointSizeF() * width / advance - 0.05));
    }
    return font;
}

}  // namespace velmora::ui
