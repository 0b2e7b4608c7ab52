#include "ui/word_button.h"

#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>
#include <QtMath>
#include <algorithm>

#include "ui/look.h"

namespace velmora::ui {
namespace {

constexpr double kWordPoints = 13.5;
constexpr int kSideRoom = 3;  // between the word and the focus ring, at each side

QColor InkFor(const QColor& face) {
    return face.lightnessF() > 0.45 ? QColor(0x20, 0x10, 0x00) : QColor(0xFF, 0xF4, 0xE0);
}

}  // namespace

WordButton::WordButton(const QString& word, const QColor& face, QWidget* parent)
    : QAbstractButton(parent), word_(word), face_(face) {
    // Tab reaches it, a click does not take the focus: Space and Enter go
    // on pressing the button the game gave the focus to.
    setFocusPolicy(Qt::TabFocus);
    setText(word);  // for accessibility and keyboard mnemonics-free lookup
}

QSize WordButton::sizeHint() const { return {105, 37}; }

void WordButton::keyPressEvent(QKeyEvent* event) {
    if (!event->isAutoRepeat() && (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

// The room inside the focus ring, in device-independent pixels: the ring
// lies max(1, round(scale)) device pixels in from the bevel's third line.
QRectF WordButton::WordRoom() const {
    const qreal scale = devicePixelRatioF();
    const qreal ring = 5 * std::max(1, qRound(scale)) / scale;  // border, bevel and gap, then the ring
    return QRectF(rect()).adjusted(ring, ring, -ring - 1 / scale, -ring - 1 / scale);
}

// The design's font, made smaller only as far as the word needs to keep
// clear of the focus ring: a little room at each side, its letters (as they
// stand centred on the button) inside the ring from top to bottom.
QFont WordButton::ShownFont() const {
    const QRectF room = WordRoom();
    QFont font = FitToWidth(SansFont(kWordPoints, true), word_, int(room.width()) - 2 * kSideRoom);
    for (int attempt = 0; attempt < 40 && font.pointSizeF() > 4.0; ++attempt) {
        const QFontMetricsF metrics(font);
        const qreal baseline = height() / 2.0 - metrics.height() / 2 + metrics.ascent();
        const QRectF letters = metrics.tightBoundingRect(word_).translated(0, baseline);
        if (letters.top() >= room.top() && letters.bottom() <= room.bottom()) break;
        font.setPointSizeF(std::max(4.0, font.pointSizeF() - 0.25));
    }
    return font;
}

// The frame is drawn in device pixels, so that it is even at any scale: a
// black border and inside it a bevel, each max(1, round(scale)) pixels
// wide; the bevel is raised (light top and left) or, while the button is
// held down, sunken, and the word moves down and right with it.
void WordButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const bool sunken = isDown();
    const qreal scale = devicePixelRatioF();
    const int line = std::max(1, qRound(scale));
    const QColor light = face_.lighter(150);
    const QColor dark = face_.darker(180);

    painter.save();
    painter.scale(1 / scale, 1 / scale);
    const QRect outer(0, 0, qRound(width() * scale), qRound(height() * scale));
    painter.fillRect(outer, Qt::black);
    const QRect bevel = outer.adjusted(line, line, -line, -line);
    painter.fillRect(bevel, sunken ? light : dark);  // bottom and right
    painter.fillRect(bevel.adjusted(0, 0, -line, -line), sunken ? dark : light);  // top and left
    painter.fillRect(bevel.adjusted(line, line, -line, -line), face_);
    if (hasFocus()) {
        // A dotted ring inside the bevel, in squares of the line width.
        const QRect ring = bevel.adjusted(3 * line, 3 * line, -4 * line, -4 * line);
        for (int x = ring.left(); x <= ring.right(); x += 2 * line) {
            painter.fillRect(x, ring.top(), line, line, InkFor(face_));
            painter.fillRect(x, ring.bottom(), line, line, InkFor(face_));
        }
        for (int y = ring.top(); y <= ring.bottom(); y += 2 * line) {
            painter.fillRect(ring.left(), y, line, line, InkFor(face_));
            painter.fillRect(ring.right(), y, line, line, InkFor(face_));
        }
    }
    painter.restore();

    // The word, engraved grey while the button is disabled.
    painter.setRenderHint(QPainter::TextAntialiasing);
    const qreal shift = sunken ? line / scale : 0;
    const QRectF textArea = QRectF(rect().adjusted(4, 2, -4, -2)).translated(shift, shift);
    painter.setFont(ShownFont());
    if (isEnabled()) {
        painter.setPen(InkFor(face_));
        painter.drawText(textArea, Qt::AlignCenter, word_);
    } else {
        painter.setPen(face_.lighter(130));
        painter.drawText(textArea.translated(1, 1), Qt::AlignCenter, word_);
        painter.setPen(face_.darker(160));
        painter.drawText(textArea, Qt::AlignCenter, word_);
    }
}

}  // namespace velmora::ui
