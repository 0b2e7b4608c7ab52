#include "lettering.h"

#include <QFont>
#include <QTransform>

namespace velmora::painter {

QPainterPath LetterPath(const QString& text, const QFont& font, QRectF box, qreal gap) {
    // Capital height of the font, measured on an "H" with flat top and foot.
    QPainterPath reference;
    reference.addText(0, 0, font, QStringLiteral("H"));
    const QRectF capBox = reference.boundingRect();
    const qreal scale = box.height() / capBox.height();

    // Set the glyphs one by one so that their ink sits `gap` apart: a tight
    // "10" reads better than one with the font's tabular digit spacing.
    QPainterPath packed;
    qreal x = 0;
    for (const QChar ch : text) {
        QPainterPath glyph;
        glyph.addText(0, 0, font, QString(ch));
        const QRectF ink = glyph.boundingRect();
        packed.addPath(glyph.translated(x - ink.left(), 0));
        x += ink.width() + gap / scale;
    }
    const QRectF ink = packed.boundingRect();
    const qreal xScale = std::min(scale, box.width() / ink.width());

    QTransform t;
    t.translate(box.center().x(), box.top());
    t.scale(xScale, scale);
    t.translate(-ink.center().x(), -capBox.top());
    return t.map(packed);
}

}  // namespace velmora::painter
