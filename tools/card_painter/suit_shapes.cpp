#include "suit_shapes.h"

#include <QPainter>
#include <QTransform>

namespace velmora::painter {
namespace {

// Every shape below is drawn in a box roughly 100 units high with the centre
// near the origin, every closed piece running clockwise so that the winding
// fill rule unites overlapping pieces; Fit() then scales it into the unit
// square.

QPainterPath Heart() {
    QPainterPath p;
    p.moveTo(0, -26);
    p.cubicTo(6, -42, 18, -48, 28, -48);
    p.cubicTo(42, -48, 52, -37, 52, -21);
    p.cubicTo(52, 2, 30, 20, 0, 50);
    p.cubicTo(-30, 20, -52, 2, -52, -21);
    p.cubicTo(-52, -37, -42, -48, -28, -48);
    p.cubicTo(-18, -48, -6, -42, 0, -26);
    p.closeSubpath();
    return p;
}

QPainterPath Diamond() {
    QPainterPath p;
    p.moveTo(0, -50);
    p.quadTo(14, -24, 38, 0);
    p.quadTo(14, 24, 0, 50);
    p.quadTo(-14, 24, -38, 0);
    p.quadTo(-14, -24, 0, -50);
    p.closeSubpath();
    return p;
}

// A stem that flares into a curved foot, shared by club and spade.
void AddStem(QPainterPath& p, qreal top, qreal bottom, qreal topHalfWidth, qreal footHalfWidth) {
    p.moveTo(-topHalfWidth, top);
    p.lineTo(topHalfWidth, top);
    p.cubicTo(topHalfWidth, top + (bottom - top) * 0.55, footHalfWidth * 0.45, bottom - 3,
              footHalfWidth, bottom);
    p.lineTo(-footHalfWidth, bottom);
    p.cubicTo(-footHalfWidth * 0.45, bottom - 3, -topHalfWidth, top + (bottom - top) * 0.55,
              -topHalfWidth, top);
    p.closeSubpath();
}

void AddDisc(QPainterPath& p, QPointF centre, qreal radius) {
    // Clockwise in y-down coordinates, like every other piece.
    p.moveTo(centre.x(), centre.y() - radius);
    p.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90, -360);
    p.closeSubpath();
}

QPainterPath Club() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    const qreal r = 22.5;
    AddDisc(p, {0, -27}, r);
    AddDisc(p, {-26.5, 12}, r);
    AddDisc(p, {26.5, 12}, r);
    // Fills the gap between the three lobes.
    p.moveTo(0, -12);
    p.lineTo(14, 10);
    p.lineTo(0, 22);
    p.lineTo(-14, 10);
    p.closeSubpath();
    AddStem(p, 4, 50, 5, 18);
    return p;
}

QPainterPath Spade() {
    QPainterPath p;
    p.setFillRule(Qt::WindingFill);
    p.moveTo(0, -50);
    p.cubicTo(8, -34, 26, -22, 40, -10);
    p.cubicTo(50, -1, 54, 8, 52, 17);
    p.cubicTo(50, 29, 40, 35, 29, 35);
    p.cubicTo(17, 35, 7, 29, 0, 18);
    p.cubicTo(-7, 29, -17, 35, -29, 35);
    p.cubicTo(-40, 35, -50, 29, -52, 17);
    p.cubicTo(-54, 8, -50, -1, -40, -10);
    p.cubicTo(-26, -22, -8, -34, 0, -50);
    p.closeSubpath();
    AddStem(p, 12, 52, 4.5, 18);
    return p;
}

QPainterPath Fit(const QPainterPath& shape) {
    const QRectF box = shape.boundingRect();
    const qreal scale = 1.0 / std::max(box.width(), box.height());
    QTransform t;
    t.scale(scale, scale);
    t.translate(-box.center().x(), -box.center().y());
    QPainterPath fitted = t.map(shape);
    fitted.setFillRule(shape.fillRule());
    return fitted;
}

}  // namespace

bool IsRed(Suit suit) { return suit == Suit::Diamonds || suit == Suit::Hearts; }

QColor SuitInk(Suit suit) { return IsRed(suit) ? QColor(0xB0, 0x14, 0x28) : QColor(0x1A, 0x1A, 0x20); }

QPainterPath SuitShape(Suit suit) {
    switch (suit) {
        case Suit::Clubs: return Fit(Club());
        case Suit::Diamonds: return Fit(Diamond());
        case Suit::Hearts: return Fit(Heart());
        case Suit::Spades: return Fit(Spade());
    }
    return {};
}

void DrawPip(QPainter& painter, Suit suit, QPointF centre, qreal size, bool upsideDown) {
    painter.save();
    painter.translate(centre);
    if (upsideDown) painter.rotate(180);
    painter.scale(size, size);
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitInk(suit));
    painter.drawPath(SuitShape(suit));
    painter.restore();
}

}  // namespace velmora::painter
