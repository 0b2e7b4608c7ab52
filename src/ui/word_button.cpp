#include "ui/word_button.h"

#include <QKeyEvent>
#include <QPainter>

#include "ui/look.h"

namespace velmora::ui {
namespace {

constexpr double kWordPoints = 13.5;

QColor InkFor(const QColor& face) {
    return face.lightnessF() > 0.45 ? QColor(0x20, 0x10, 0x00) : QColor(0xFF, 0xF4, 0xE0);
}

}  // namespace

WordButton::WordButton(const QString& word, const QColor& face, QWidget* parent)
    : QAbstractButton(parent), word_(word), face_(face) {
    setFocusPolicy(Qt::StrongFocus);
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

void WordButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const QRect r = rect();
    const bool sunken = isDown();

    // Face and a raised (or, while pressed, sunken) bevel.
    painter.fillRect(r, face_);
    const QColor light = face_.lighter(150);
    const QColor dark = face_.darker(180);
    painter.setPen(sunken ? dark : light);
    painter.drawLine(r.topLeft(), r.topRight());
    painter.drawLine(r.topLeft(), r.bottomLeft());
    painter.setPen(sunken ? light : dark);
    painter.drawLine(r.bottomLeft(), r.bottomRight());
    painter.drawLine(r.topRight(), r.bottomRight());
    painter.setPen(Qt::black);
    painter.drawRect(r.adjusted(0, 0, -1, -1));

    // The word, engraved grey while the button is disabled.
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRect textArea = r.adjusted(4, 2, -4, -2).translated(sunken ? 1 : 0, sunken ? 1 : 0);
    painter.setFont(FitToWidth(SansFont(kWordPoints, true), word_, textArea.width()));
    if (isEnabled()) {
        painter.setPen(InkFor(face_));
        painter.drawText(textArea, Qt::AlignCenter, word_);
    } else {
        painter.setPen(face_.lighter(130));
        painter.drawText(textArea.translated(1, 1), Qt::AlignCenter, word_);
        painter.setPen(face_.darker(160));
        painter.drawText(textArea, Qt::AlignCenter, word_);
    }

    if (hasFocus()) {
        QPen dotted(InkFor(face_), 1, Qt::DotLine);
        painter.setPen(dotted);
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(r.adjusted(4, 4, -5, -5));
    }
}

}  // namespace velmora::ui
