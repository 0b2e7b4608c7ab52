#pragma once

#include <QAbstractButton>
#include <QColor>

namespace velmora::ui {

// A push button that shows the picture of one word on a coloured face.
// Space presses it, as any button; Enter and Return press it too.
class WordButton : public QAbstractButton {
    Q_OBJECT
public:
    WordButton(const QString& word, const QColor& face, QWidget* parent);

    QSize sizeHint() const override;
    QString Word() const { return word_; }
    // The font the word is drawn in: the design's, made smaller to fit
    // inside the focus ring.
    QFont ShownFont() const;
    // The button's face inside the focus ring.
    QRectF WordRoom() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QString word_;
    QColor face_;
};

}  // namespace velmora::ui
