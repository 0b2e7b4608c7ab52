#pragma once

#include <QColor>
#include <QWidget>

namespace velmora::ui {

// A label: a caption on a back colour (none: transparent), drawn in its font,
// made smaller only when a caption would not fit the label (on one line, or
// over as many lines as it takes when it wraps). A one-line caption
// is placed by its font's letters, not its line height, so that capitals,
// ascenders and descenders stay whole in a label lower than the font's line.
class CaptionView : public QWidget {
    Q_OBJECT
public:
    CaptionView(const QFont& font, const QColor& text, Qt::Alignment alignment, QWidget* parent);

    void SetCaption(const QString& caption);
    void SetBackColor(const QColor& back);
    void SetWordWrap(bool wrap);
    // The texts whose letters the label's letter box must hold besides its
    // caption (all the captions it may show), so that it keeps one font size
    // and one baseline whichever it shows.
    void SetLetterBoxTexts(const QString& texts);
    QString Caption() const { return caption_; }
    // The font the caption is drawn in, after fitting.
    QFont ShownFont() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Layout {
        QFont font;
        qreal baseline;
    };
    Layout LineLayout() const;
    QFont WrappedFont() const;
    // The last layout worked out, and what it was worked out for.
    mutable QString layoutKey_;
    mutable Layout layout_;

    QString caption_;
    QFont font_;
    QColor text_;
    QColor back_;
    Qt::Alignment alignment_;
    QString letterBoxTexts_;
    bool wordWrap_ = false;
};

}  // namespace velmora::ui
