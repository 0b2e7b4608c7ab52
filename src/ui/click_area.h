#pragma once

#include <QWidget>

namespace velmora::ui {

// The invisible area over a card that takes its clicks. A double click
// arrives as a click (the first press) and a double click (the second); the
// release after a double click does not count as another click.
class ClickArea : public QWidget {
    Q_OBJECT
public:
    explicit ClickArea(QWidget* parent);

signals:
    void clicked();
    void doubleClicked();

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
    bool pressed_ = false;
    bool releaseEndsDoubleClick_ = false;
};

}  // namespace velmora::ui
