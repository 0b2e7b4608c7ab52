#include "ui/click_area.h"

#include <QMouseEvent>

namespace velmora::ui {

ClickArea::ClickArea(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
}

void ClickArea::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) pressed_ = true;
}

void ClickArea::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    const bool wasPressed = pressed_;
    const bool endsDoubleClick = releaseEndsDoubleClick_;
    pressed_ = false;
    releaseEndsDoubleClick_ = false;
    if (wasPressed && !endsDoubleClick && rect().contains(event->position().toPoint())) emit clicked();
}

void ClickArea::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton) return;
    pressed_ = false;
    releaseEndsDoubleClick_ = true;
    emit doubleClicked();
}

}  // namespace velmora::ui
