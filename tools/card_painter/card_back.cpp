#include "card_back.h"

#include <QPainter>
#include <QPainterPath>

#include "card_faces.h"
#include "lettering.h"

namespace velmora::painter {
namespace {

const QColor kNavy{0x1B, 0x2A, 0x5E};
const QColor kNavyLight{0x47, 0x5C, 0x9E};
const QColor kNavyDeep{0x12, 0x1C, 0x42};

constexpr qreal kMargin = 9;
constexpr qreal kLatticeStep = 9;

void PaintLattice(QPainter& painter, const QRectF& field) {
    painter.save();
    QPainterPath clip;
    clip.addRoundedRect(field, 5, 5);
    painter.setClipPath(clip);
    painter.setPen(QPen(kNavyLight, 1.0));
    // Two families of diagonals crossing into small diamonds, centred on the
    // card so the pattern looks the same either way up.
    const QPointF c = field.center();
    const qreal reach = field.width() + field.height();
    for (qreal d = -reach; d <= reach; d += kLatticeStep) {
        painter.drawLine(QPointF(c.x() + d - reach, c.y() - reach), QPointF(c.x() + d + reach, c.y() + reach));
        painter.drawLine(QPointF(c.x() + d + reach, c.y() - reach), QPointF(c.x() + d - reach, c.y() + reach));
    }
    // A dot in the middle of every diamond.
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavyLight);
    for (qreal dy = -reach; dy <= reach; dy += kLatticeStep)
        for (qreal dx = -reach; dx <= reach; dx += kLatticeStep) {
            const QPointF dot(c.x() + dx + kLatticeStep / 2, c.y() + dy);
            if (field.adjusted(-2, -2, 2, 2).contains(dot)) painter.drawEllipse(dot, 0.9, 0.9);
        }
    painter.restore();
}

void PaintMedallion(QPainter& painter, QPointF centre, const CardFonts& fonts) {
    const qreal rx = 27, ry = 35;
    // Four small lozenges at the compass points, outside the ring.
    painter.setPen(QPen(kGoldDark, 0.8));
    painter.setBrush(kGold);
    const QPointF tips[] = {{0, -ry - 9}, {0, ry + 9}, {-rx - 9, 0}, {rx + 9, 0}};
    for (const QPointF tip : tips) {
        QPainterPath lozenge;
        const QPointF at = centre + tip;
        const qreal w = tip.x() == 0 ? 4 : 6, h = tip.x() == 0 ? 6 : 4;
        lozenge.moveTo(at.x(), at.y() - h);
        lozenge.lineTo(at.x() + w, at.y());
        lozenge.lineTo(at.x(), at.y() + h);
        lozenge.lineTo(at.x() - w, at.y());
        lozenge.closeSubpath();
        painter.drawPath(lozenge);
    }

    painter.setPen(QPen(kGold, 3.0));
    painter.setBrush(kNavyDeep);
    painter.drawEllipse(centre, rx, ry);
    painter.setPen(QPen(QColor(255, 255, 255, 200), 1.0));
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(centre, rx - 4.5, ry - 4.5);

    const QPainterPath v = LetterPath(QStringLiteral("V"), fonts.letter,
                                      QRectF(centre.x() - 18, centre.y() - 17, 36, 34), 0);
    painter.setPen(QPen(kGoldDark, 1.0));
    painter.setBrush(QColor(0xF4, 0xE2, 0xA8));
    painter.drawPath(v);
}

}  // namespace

QImage PaintBack(const CardFonts& fonts) {
    QImage image = NewCardImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCardBlank(painter);

    const QRectF field = CardOutline().adjusted(kMargin - 1, kMargin - 1, 1 - kMargin, 1 - kMargin);
    painter.setPen(Qt::NoPen);
    painter.setBrush(kNavy);
    painter.drawRoundedRect(field, 5, 5);
    PaintLattice(painter, field);

    // A fine white rule just inside the field's edge.
    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(QColor(255, 255, 255, 210), 1.0));
    painter.drawRoundedRect(field.adjusted(3.5, 3.5, -3.5, -3.5), 3, 3);

    PaintMedallion(painter, field.center(), fonts);
    return image;
}

}  // namespace velmora::painter
