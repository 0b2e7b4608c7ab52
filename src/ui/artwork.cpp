#include "ui/artwork.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

#include "ui/look.h"

namespace velmora::ui {
namespace {

// Letters that stand out of the surface: a light edge above and to the left,
// a shadow below and to the right, the face in between.
void RaisedText(QPainter& painter, const QRectF& area, int flags, const QString& text, const QColor& face,
                qreal depth) {
    painter.setPen(face.lighter(175));
    painter.drawText(area.translated(-depth, -depth), flags, text);
    painter.setPen(face.darker(300));
    painter.drawText(area.translated(depth, depth), flags, text);
    painter.setPen(face);
    painter.drawText(area, flags, text);
}

}  // namespace

void PaintScoreWord(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::TextAntialiasing);
    QFont font = SansFont(10, true);
    font.setLetterSpacing(QFont::AbsoluteSpacing, 1.5);
    painter.setFont(FitToWidth(font, QStringLiteral("SCORE"), static_cast<int>(area.width())));
    RaisedText(painter, area, Qt::AlignCenter, QStringLiteral("SCORE"), QColor(0x20, 0x60, 0x20), 1.0);
    painter.restore();
}

void PaintTitle(QPainter& painter, const QRectF& area, const QString& version) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor grey(0xA8, 0xA8, 0xA8);
    const QRectF name(area.left(), area.top(), area.width(), area.height() * 0.68);
    const QRectF line(area.left(), name.bottom(), area.width(), area.height() - name.height());
    painter.setFont(FitToWidth(SansFont(34, true), QStringLiteral("Velmora"), static_cast<int>(area.width()) - 8));
    RaisedText(painter, name, Qt::AlignHCenter | Qt::AlignBottom, QStringLiteral("Velmora"), grey, 2.0);
    painter.setFont(SansFont(11, true));
    RaisedText(painter, line, Qt::AlignHCenter | Qt::AlignVCenter, QStringLiteral("Version ") + version, grey, 1.0);
    painter.restore();
}

void PaintIcon(QPainter& painter, const QRectF& area) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.translate(area.topLeft());
    painter.scale(area.width() / 48.0, area.height() / 48.0);

    // A black table with two fanned cards, the front one showing a red V.
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0x10, 0x10, 0x10));
    painter.drawRoundedRect(QRectF(1, 1, 46, 46), 8, 8);
    painter.setPen(QPen(QColor(0xFF, 0x80, 0x00), 1.5));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(QRectF(2, 2, 44, 44), 7, 7);

    const auto card = [&](qreal angle, const QColor& fill) {
        painter.save();
        painter.translate(24, 27);
        painter.rotate(angle);
        painter.setPen(QPen(QColor(0x50, 0x50, 0x50), 0.8));
        painter.setBrush(fill);
        painter.drawRoundedRect(QRectF(-11, -15, 22, 30), 3, 3);
        painter.restore();
    };
    card(-14, QColor(0x1E, 0x3A, 0x8A));
    card(8, QColor(0xFF, 0xFB, 0xF2));

    painter.save();
    painter.translate(24, 27);
    painter.rotate(8);
    QPainterPath v;
    v.moveTo(-7, -9);
    v.lineTo(-3, -9);
    v.lineTo(0, 3);
    v.lineTo(3, -9);
    v.lineTo(7, -9);
    v.lineTo(1.6, 9);
    v.lineTo(-1.6, 9);
    v.closeSubpath();
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0xC0, 0x10, 0x20));
    painter.drawPath(v);
    painter.restore();
    painter.restore();
}

QIcon VelmoraIcon() {
    QIcon icon;
    for (const int size : {16, 24, 32, 48, 64}) {  // what title bars and task bars ask for
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        PaintIcon(painter, QRectF(0, 0, size, size));
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

}  // namespace velmora::ui
