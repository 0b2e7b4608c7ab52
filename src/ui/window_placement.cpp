#include "ui/window_placement.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <algorithm>

namespace velmora::ui {

void CentreOnScreen(QWidget& window) {
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        QRect frame(QPoint(), window.size());
        frame.moveCenter(screen->availableGeometry().center());
        window.move(frame.topLeft());
    }
}

void PlaceBeside(QWidget& window, const QWidget& anchor) {
    const QScreen* screen = anchor.screen();
    if (!screen) return;
    const QRect area = screen->availableGeometry();
    const QRect beside = anchor.frameGeometry();
    // Within the screen where it can be; its top-left corner where it cannot.
    const auto kept = [&area](QRect frame) {
        frame.moveLeft(std::max(area.left(), std::min(frame.left(), area.right() + 1 - frame.width())));
        frame.moveTop(std::max(area.top(), std::min(frame.top(), area.bottom() + 1 - frame.height())));
        return frame;
    };
    QRect frame(QPoint(), window.size());
    for (const int left : {beside.right() + 1, beside.left() - frame.width()}) {
        frame.moveTo(left, beside.top());
        if (area.contains(kept(frame)) && !kept(frame).intersects(beside)) {
            window.move(kept(frame).topLeft());
            return;
        }
    }
    frame.moveCenter(beside.center());  // over the table, as a dialog stands
    window.move(kept(frame).topLeft());
}

void KeepRightEdgeOnScreen(QWidget& window) {
    const QScreen* screen = window.screen();
    if (!screen) return;
    const int over = window.frameGeometry().right() - screen->availableGeometry().right();
    if (over > 0) window.move(std::max(screen->availableGeometry().left(), window.x() - over), window.y());
}

void CloseOnEscape(QWidget& window) {
    auto* close = new QAction(&window);
    close->setShortcuts({QKeySequence(Qt::Key_Escape), QKeySequence::Close});
    QObject::connect(close, &QAction::triggered, &window, &QWidget::close);
    window.addAction(close);
}

}  // namespace velmora::ui
