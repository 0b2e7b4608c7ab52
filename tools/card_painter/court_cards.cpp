// The Jack, Queen and King: a framed panel holding a double-ended figure,
// each half showing the head with its headgear, the robe with a suit
// medallion, a large rank letter and a small pip. The ranks differ in panel
// tint, robe colour, headgear (flat cap with feather, arched crown, pointed
// crown) and what the figure holds (halberd, rose, sword).

#include <QPainter>
#include <QPainterPath>

#include "card_faces.h"
#include "lettering.h"

namespace velmora::painter {
namespace {

// The panel, symmetric about the card's centre.
const QRectF kPanel(33, 12, 78, 170);

const QColor kSkin{0xF3, 0xD5, 0xB5};
const QColor kSkinLine{0x9A, 0x68, 0x48};
const QColor kEyes{0x33, 0x26, 0x1E};
const QColor kSteel{0xCF, 0xD4, 0xDA};
const QColor kSteelLine{0x5E, 0x66, 0x70};
const QColor kCream{0xFF, 0xF8, 0xE8};

struct CourtStyle {
    QString letter;
    QColor panel;
    QColor robe;
    QColor robeDark;
    QColor front;
    QColor hair;
};

CourtStyle StyleFor(int rank) {
    switch (rank) {
        case 11:
            return {QStringLiteral("J"), QColor(0xDD, 0xEB, 0xDA), QColor(0x2E, 0x6B, 0x43),
                    QColor(0x1C, 0x45, 0x2A), QColor(0xE2, 0xB8, 0x5C), QColor(0x5A, 0x3A, 0x20)};
        case 12:
            return {QStringLiteral("Q"), QColor(0xEE, 0xE0, 0xF0), QColor(0x76, 0x38, 0x88),
                    QColor(0x4C, 0x20, 0x5A), QColor(0xF2, 0xDE, 0xA0), QColor(0xB4, 0x7C, 0x32)};
        default:
            return {QStringLiteral("K"), QColor(0xF5, 0xE7, 0xBD), QColor(0x2A, 0x48, 0x98),
                    QColor(0x18, 0x2C, 0x66), kCream, QColor(0xE4, 0xDF, 0xD4)};
    }
}

QPen Line(const QColor& colour, qreal width) {
    QPen pen(colour, width);
    pen.setJoinStyle(Qt::RoundJoin);
    pen.setCapStyle(Qt::RoundCap);
    return pen;
}

// Coordinates of one half: x from -39 to 39 across the panel, y from 0 at the
// panel's top edge to 85 at the card's centre line.

void PaintRobe(QPainter& p, const CourtStyle& style, Suit suit, int rank) {
    QPainterPath robe;
    robe.moveTo(-9, 49);
    robe.cubicTo(-20, 50, -29, 53, -32, 62);
    robe.lineTo(-35, 86);
    robe.lineTo(35, 86);
    robe.lineTo(32, 62);
    robe.cubicTo(29, 53, 20, 50, 9, 49);
    robe.closeSubpath();
    p.setPen(Line(style.robeDark, 1.2));
    p.setBrush(style.robe);
    p.drawPath(robe);

    // A sprinkling of gold dots over the cloth.
    p.save();
    p.setClipPath(robe, Qt::IntersectClip);
    p.setPen(Qt::NoPen);
    p.setBrush(kGold);
    for (int row = 0; row < 6; ++row)
        for (int col = -6; col <= 6; ++col)
            p.drawEllipse(QPointF(col * 6.0 + (row % 2) * 3.0, 55.0 + row * 6.0), 0.8, 0.8);
    p.restore();

    // The sleeve seams, then the front of the garment.
    p.setPen(Line(style.robeDark, 1.0));
    p.setBrush(Qt::NoBrush);
    QPainterPath seams;
    seams.moveTo(-22, 54);
    seams.cubicTo(-24, 64, -23, 76, -21, 86);
    seams.moveTo(22, 54);
    seams.cubicTo(24, 64, 23, 76, 21, 86);
    p.drawPath(seams);

    QPainterPath front;
    front.moveTo(-9, 50);
    front.lineTo(9, 50);
    front.lineTo(14, 86);
    front.lineTo(-14, 86);
    front.closeSubpath();
    p.setPen(Line(kGoldDark, 1.0));
    p.setBrush(style.front);
    p.drawPath(front);
    p.save();
    p.setClipPath(front, Qt::IntersectClip);
    if (rank == 13) {  // ermine
        p.setPen(Qt::NoPen);
        p.setBrush(kEyes);
        for (int row = 0; row < 5; ++row)
            for (int col = -2; col <= 2; ++col) {
                const QPointF spot(col * 6.0 + (row % 2) * 3.0, 55.0 + row * 7.0);
                p.drawEllipse(spot, 0.9, 1.5);
            }
    } else {  // lacing or stripes
        p.setPen(Line(rank == 12 ? kGoldDark : style.robeDark, 0.9));
        for (int row = 0; row < 6; ++row) {
            const qreal y = 54.0 + row * 6.0;
            if (rank == 12) {
                p.drawLine(QPointF(-6, y), QPointF(6, y + 3));
                p.drawLine(QPointF(6, y), QPointF(-6, y + 3));
            } else {
                p.drawLine(QPointF(-14, y), QPointF(14, y));
            }
        }
    }
    p.restore();

    // Collar: ermine for the King, a lace ruff for the Queen, a gold yoke for the Jack.
    if (rank == 13) {
        QPainterPath collar;
        collar.moveTo(-20, 53);
        collar.cubicTo(-10, 61, 10, 61, 20, 53);
        collar.cubicTo(12, 48, -12, 48, -20, 53);
        p.setPen(Line(QColor(0x9A, 0x94, 0x88), 0.8));
        p.setBrush(kCream);
        p.drawPath(collar);
        p.setPen(Qt::NoPen);
        p.setBrush(kEyes);
        for (const qreal x : {-13.0, -5.0, 5.0, 13.0}) p.drawEllipse(QPointF(x, 54.5), 0.9, 1.4);
    } else if (rank == 12) {
        p.setPen(Line(QColor(0xA8, 0xA0, 0xB0), 0.8));
        p.setBrush(Qt::white);
        for (int i = -3; i <= 3; ++i) p.drawEllipse(QPointF(i * 5.0, 52.0 + (i * i) * 0.35), 3.4, 3.0);
    } else {
        QPainterPath yoke;
        yoke.moveTo(-17, 51);
        yoke.lineTo(0, 60);
        yoke.lineTo(17, 51);
        yoke.lineTo(11, 48.5);
        yoke.lineTo(0, 54);
        yoke.lineTo(-11, 48.5);
        yoke.closeSubpath();
        p.setPen(Line(kGoldDark, 0.8));
        p.setBrush(kGold);
        p.drawPath(yoke);
    }

    // The suit medallion on the chest.
    p.setPen(Line(kGoldDark, 1.2));
    p.setBrush(kCream);
    p.drawEllipse(QPointF(0, 72), 9.5, 9.5);
    DrawPip(p, suit, {0, 72}, 12.5);
}

void PaintHairBehind(QPainter& p, const CourtStyle& style, int rank) {
    if (rank != 12) return;
    QPainterPath hair;
    hair.moveTo(0, 22);
    hair.cubicTo(14, 22, 17, 34, 16, 44);
    hair.cubicTo(15, 52, 19, 58, 20, 62);
    hair.lineTo(-20, 62);
    hair.cubicTo(-19, 58, -15, 52, -16, 44);
    hair.cubicTo(-17, 34, -14, 22, 0, 22);
    hair.closeSubpath();
    p.setPen(Line(style.hair.darker(150), 0.8));
    p.setBrush(style.hair);
    p.drawPath(hair);
}

void PaintHead(QPainter& p, const CourtStyle& style, int rank) {
    p.setPen(Line(kSkinLine, 0.9));
    p.setBrush(kSkin);
    p.drawEllipse(QPointF(0, 37), 10.5, 12.5);

    if (rank == 11) {  // short curled hair at the sides
        p.setPen(Line(style.hair.darker(140), 0.7));
        p.setBrush(style.hair);
        for (const qreal side : {-1.0, 1.0}) {
            p.drawEllipse(QPointF(side * 10.5, 32), 3.6, 4.2);
            p.drawEllipse(QPointF(side * 11.0, 39), 3.2, 3.8);
        }
    }

    // Eyes, brows, nose and mouth.
    p.setPen(Qt::NoPen);
    p.setBrush(kEyes);
    p.drawEllipse(QPointF(-4, 35.5), 1.5, 1.2);
    p.drawEllipse(QPointF(4, 35.5), 1.5, 1.2);
    p.setBrush(Qt::NoBrush);
    p.setPen(Line(kEyes, 0.9));
    p.drawLine(QPointF(-6.5, 32.2), QPointF(-2, 32.6));
    p.drawLine(QPointF(6.5, 32.2), QPointF(2, 32.6));
    p.setPen(Line(kSkinLine, 0.9));
    p.drawLine(QPointF(0, 36.5), QPointF(-1, 40.5));

    if (rank == 13) {  // beard and moustache
        QPainterPath beard;
        beard.moveTo(-10, 39);
        beard.cubicTo(-9, 50, -4, 56, 0, 57);
        beard.cubicTo(4, 56, 9, 50, 10, 39);
        beard.cubicTo(7, 44, 3, 45, 0, 45);
        beard.cubicTo(-3, 45, -7, 44, -10, 39);
        beard.closeSubpath();
        p.setPen(Line(style.hair.darker(150), 0.8));
        p.setBrush(style.hair);
        p.drawPath(beard);
        QPainterPath moustache;
        moustache.moveTo(0, 42.5);
        moustache.cubicTo(-3, 41, -6, 42, -7.5, 44.5);
        moustache.cubicTo(-5, 43.5, -2, 44, 0, 43.8);
        moustache.cubicTo(2, 44, 5, 43.5, 7.5, 44.5);
        moustache.cubicTo(6, 42, 3, 41, 0, 42.5);
        moustache.closeSubpath();
        p.drawPath(moustache);
    } else {
        p.setPen(Line(QColor(0xA8, 0x4E, 0x4E), 1.2));
        p.drawLine(QPointF(-2.5, 44), QPointF(2.5, 44));
    }
}

void PaintHeadgear(QPainter& p, const CourtStyle& style, int rank) {
    const QColor jewelRed(0xC0, 0x20, 0x30);
    const QColor jewelBlue(0x20, 0x50, 0xB0);
    if (rank == 13) {  // tall crown with five points tipped with pearls
        QPainterPath crown;
        crown.moveTo(-14, 27);
        crown.lineTo(-15, 9);
        crown.lineTo(-9, 17);
        crown.lineTo(-6, 6);
        crown.lineTo(0, 15);
        crown.lineTo(6, 6);
        crown.lineTo(9, 17);
        crown.lineTo(15, 9);
        crown.lineTo(14, 27);
        crown.closeSubpath();
        p.setPen(Line(kGoldDark, 1.0));
        p.setBrush(kGold);
        p.drawPath(crown);
        p.drawRect(QRectF(-14, 21, 28, 6));
        p.setBrush(kCream);
        p.setPen(Line(kGoldDark, 0.6));
        for (const QPointF tip : {QPointF(-15, 8), QPointF(-6, 5), QPointF(6, 5), QPointF(15, 8)})
            p.drawEllipse(tip, 1.9, 1.9);
        p.setPen(Line(kGoldDark, 0.9));
        p.setBrush(kGold);
        p.drawLine(QPointF(0, 15), QPointF(0, 4));
        p.drawLine(QPointF(-3, 7), QPointF(3, 7));
        p.setPen(Qt::NoPen);
        p.setBrush(jewelRed);
        p.drawEllipse(QPointF(0, 24), 2.2, 2.0);
        p.setBrush(jewelBlue);
        p.drawEllipse(QPointF(-8, 24), 1.6, 1.6);
        p.drawEllipse(QPointF(8, 24), 1.6, 1.6);
    } else if (rank == 12) {  // low crown of three rounded arches
        QPainterPath crown;
        crown.moveTo(-12, 27);
        crown.lineTo(-12, 19);
        crown.cubicTo(-12, 12, -5, 12, -4, 17);
        crown.cubicTo(-3, 10, 3, 10, 4, 17);
        crown.cubicTo(5, 12, 12, 12, 12, 19);
        crown.lineTo(12, 27);
        crown.closeSubpath();
        p.setPen(Line(kGoldDark, 1.0));
        p.setBrush(kGold);
        p.drawPath(crown);
        p.drawRect(QRectF(-12.5, 22, 25, 5));
        p.setPen(Line(kGoldDark, 0.6));
        p.setBrush(kCream);
        for (const QPointF pearl : {QPointF(-8, 12.5), QPointF(0, 10), QPointF(8, 12.5)})
            p.drawEllipse(pearl, 1.8, 1.8);
        p.setPen(Qt::NoPen);
        p.setBrush(jewelBlue);
        p.drawEllipse(QPointF(0, 24.5), 2.0, 1.8);
        p.setBrush(jewelRed);
        p.drawEllipse(QPointF(-7, 24.5), 1.4, 1.4);
        p.drawEllipse(QPointF(7, 24.5), 1.4, 1.4);
    } else {  // flat cap with a long feather
        QPainterPath feather;
        feather.moveTo(8, 19);
        feather.cubicTo(14, 10, 22, 4, 30, 2);
        feather.cubicTo(26, 8, 19, 15, 10, 22);
        feather.closeSubpath();
        p.setPen(Line(style.robeDark, 0.7));
        p.setBrush(kCream);
        p.drawPath(feather);
        QPainterPath cap;
        cap.moveTo(-15, 28);
        cap.cubicTo(-19, 20, -10, 13, 1, 13);
        cap.cubicTo(12, 13, 19, 19, 16, 28);
        cap.closeSubpath();
        p.setPen(Line(style.robeDark, 1.0));
        p.setBrush(style.robe);
        p.drawPath(cap);
        p.setPen(Line(kGoldDark, 0.8));
        p.setBrush(kGold);
        p.drawRect(QRectF(-15, 24.5, 31, 4));
        p.setPen(Qt::NoPen);
        p.setBrush(jewelRed);
        p.drawEllipse(QPointF(9, 26.5), 1.6, 1.6);
    }
}

// What the figure holds in its right hand, on the viewer's right.
void PaintHeldItem(QPainter& p, const CourtStyle& style, int rank) {
    p.save();
    p.translate(-2.5, 0);  // the hand a little inside the sleeve's edge
    const QPointF hand(28.5, 66);
    if (rank == 13) {  // sword held point up
        p.setPen(Line(kSteelLine, 0.8));
        p.setBrush(kSteel);
        QPainterPath blade;
        blade.moveTo(26.5, 60);
        blade.lineTo(26.5, 20);
        blade.lineTo(28.5, 14);
        blade.lineTo(30.5, 20);
        blade.lineTo(30.5, 60);
        blade.closeSubpath();
        p.drawPath(blade);
        p.drawLine(QPointF(28.5, 22), QPointF(28.5, 56));
        p.setPen(Line(kGoldDark, 0.8));
        p.setBrush(kGold);
        p.drawRect(QRectF(22, 59, 13, 3));
        p.drawRect(QRectF(27, 62, 3, 9));
        p.drawEllipse(QPointF(28.5, 72.5), 2.2, 2.2);
    } else if (rank == 12) {  // a rose on a long stem
        p.setPen(Line(QColor(0x2E, 0x6B, 0x2E), 1.6));
        p.drawLine(QPointF(28.5, 72), QPointF(28.5, 38));
        p.setPen(Line(QColor(0x2E, 0x6B, 0x2E), 0.6));
        p.setBrush(QColor(0x4E, 0x9A, 0x48));
        QPainterPath leaf;
        leaf.moveTo(28.5, 50);
        leaf.cubicTo(31, 44, 35, 44, 36.5, 45);
        leaf.cubicTo(35, 49, 32, 51, 28.5, 50);
        p.drawPath(leaf);
        p.setPen(Line(style.robeDark, 0.6));
        p.setBrush(QColor(0xE8, 0x8A, 0xA6));
        for (int i = 0; i < 5; ++i) {
            p.save();
            p.translate(28.5, 33);
            p.rotate(i * 72);
            p.drawEllipse(QPointF(0, -3.6), 2.8, 3.6);
            p.restore();
        }
        p.setPen(Qt::NoPen);
        p.setBrush(kGold);
        p.drawEllipse(QPointF(28.5, 33), 2.0, 2.0);
    } else {  // halberd
        p.setPen(Line(QColor(0x6A, 0x45, 0x22), 2.0));
        p.drawLine(QPointF(28.5, 86), QPointF(28.5, 24));
        p.setPen(Line(kSteelLine, 0.8));
        p.setBrush(kSteel);
        QPainterPath head;
        head.moveTo(28.5, 12);
        head.lineTo(31, 22);
        head.lineTo(28.5, 26);
        head.lineTo(26, 22);
        head.closeSubpath();
        p.drawPath(head);
        QPainterPath axe;
        axe.moveTo(28.5, 25);
        axe.cubicTo(32.5, 24, 35.5, 26, 36.5, 31);
        axe.cubicTo(33.5, 34, 30.5, 34, 28.5, 33);
        axe.closeSubpath();
        p.drawPath(axe);
    }
    // The hand closed round it, with a gold cuff.
    p.setPen(Line(kGoldDark, 0.8));
    p.setBrush(kGold);
    p.drawRect(QRectF(hand.x() - 5, hand.y() + 3.5, 10, 3));
    p.setPen(Line(kSkinLine, 0.8));
    p.setBrush(kSkin);
    p.drawEllipse(hand, 4.2, 3.6);
    p.restore();
}

void PaintHalf(QPainter& p, Suit suit, int rank, const CourtStyle& style, const CardFonts& fonts) {
    PaintHairBehind(p, style, rank);
    PaintRobe(p, style, suit, rank);
    PaintHeldItem(p, style, rank);
    PaintHead(p, style, rank);
    PaintHeadgear(p, style, rank);

    p.setPen(Qt::NoPen);
    p.setBrush(SuitInk(suit));
    p.drawPath(LetterPath(style.letter, fonts.letter, QRectF(-36, 5, 15, 18), 0));
    DrawPip(p, suit, {-28.5, 32}, 12);
}

}  // namespace

void PaintCourtPanel(QPainter& painter, Suit suit, int rank, const CardFonts& fonts) {
    const CourtStyle style = StyleFor(rank);
    painter.save();

    painter.setPen(Qt::NoPen);
    painter.setBrush(style.panel);
    painter.drawRect(kPanel);

    // Each half is clipped to its own side of the centre line.
    const QPointF centre = kPanel.center();
    for (const qreal turn : {0.0, 180.0}) {
        painter.save();
        painter.translate(centre);
        painter.rotate(turn);
        painter.translate(0, -kPanel.height() / 2);
        painter.setClipRect(QRectF(-kPanel.width() / 2, 0, kPanel.width(), kPanel.height() / 2));
        PaintHalf(painter, suit, rank, style, fonts);
        painter.restore();
    }

    // Centre line with a small lozenge, then the double frame.
    painter.setPen(QPen(kGoldDark, 1.0));
    painter.drawLine(QPointF(kPanel.left(), centre.y()), QPointF(kPanel.right(), centre.y()));
    QPainterPath lozenge;
    lozenge.moveTo(centre.x() - 5, centre.y());
    lozenge.lineTo(centre.x(), centre.y() - 3);
    lozenge.lineTo(centre.x() + 5, centre.y());
    lozenge.lineTo(centre.x(), centre.y() + 3);
    lozenge.closeSubpath();
    painter.setBrush(kGold);
    painter.drawPath(lozenge);

    painter.setBrush(Qt::NoBrush);
    painter.setPen(QPen(kGold, 1.0));
    painter.drawRect(kPanel.adjusted(2.5, 2.5, -2.5, -2.5));
    painter.setPen(QPen(SuitInk(suit), 1.6));
    painter.drawRect(kPanel);
    painter.restore();
}

}  // namespace velmora::painter
