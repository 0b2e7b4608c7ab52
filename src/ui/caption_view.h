#pragma once

#include <QColor>
#include <QWidget>

namespace velmora::ui {

// A label: a caption on a back colour (none: transparent), drawn in its font,
// made smaller only when a caption would not fit the label's width.
class CaptionView : public QWidget {
    Q_OBJECT
public:
    CaptionView(const QFont& font, const QColor& text, Qt::Alignment alignment, QWidget* parent);

    QString Caption() const { return caption_; }
    void SetCaption(const QString& caption);
    QColor BackColor() const { return back_; }
    void SetBackColor(const QColor& back);
    void SetWordWrap(bool wrap);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString caption_;
    QFont font_;
    QColor text_;
    QColor back_;
    Qt::Alignment alignment_;
    bool wordWrap_ = false;
};

}  // namespace velmora::ui
