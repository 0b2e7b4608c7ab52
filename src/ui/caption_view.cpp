#include "ui/caption_view.h"

#include <QFontMetricsF>
#include <QHash>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "ui/look.h"

namespace velmora::ui {
namespace {
constexpr int kMargin = 1;

struct LetterBox {
    qreal points, top, bottom;
};

// The size of `font` at which the letters' box (from the top of the tallest
// letter to the bottom of the descenders) fits in `room`, made smaller step
// by step, and that box. Remembered: the measuring is most of a caption's
// first paint.
LetterBox FittedLetterBox(QFont font, const QString& letters, qreal room) {
    static QHash<QString, LetterBox> known;
    const QString key = font.key() + QLatin1Char('\n') + letters + QLatin1Char('\n') + QString::number(room);
    if (const auto found = known.constFind(key); found != known.cend()) return *found;
    const QString tallest = QStringLiteral("Hbdfkl") + letters;
    const QString lowest = QStringLiteral("gpqy") + letters;
    qreal top = 0, bottom = 0;
    for (int attempt = 0; attempt < 20; ++attempt) {
        const QFontMetricsF metrics(font);
        top = -metrics.tightBoundingRect(tallest).top();
        bottom = metrics.tightBoundingRect(lowest).bottom();
        if (top + bottom <= room || font.pointSizeF() <= 4.0) break;
        font.setPointSizeF(std::max(4.0, font.pointSizeF() * room / (top + bottom) - 0.05));
    }
    return *known.insert(key, {font.pointSizeF(), top, bottom});
}
}

CaptionView::CaptionView(const QFont& font, const QColor& text, Qt::Alignment alignment, QWidget* parent)
    : QWidget(parent), font_(font), text_(text), alignment_(alignment) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CaptionView::SetCaption(const QString& caption) {
    if (caption == caption_) return;
    caption_ = caption;
    update();
}

void CaptionView::SetBackColor(const QColor& back) {
    if (back == back_) return;
    back_ = back;
    update();
}

void CaptionView::SetLetterBoxTexts(const QString& texts) {
    letterBoxTexts_ = texts;
    layoutKey_.clear();
    update();
}

void CaptionView::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    update();
}

// A one-line caption's font and baseline: the font made smaller while the
// caption is wider than the label, or its letters' box (from the top of the
// tallest letter to the bottom of the descenders) taller than the label
// less one device pixel above and below; the box centred, its baseline on a
// whole device pixel.
CaptionView::Layout CaptionView::LineLayout() const {
    const QRect area = rect().adjusted(kMargin, 0, -kMargin, 0);
    const qreal scale = devicePixelRatioF();
    const QString key = caption_ + QLatin1Char('\n') + QString::number(area.width()) + QLatin1Char('x') +
                        QString::number(area.height()) + QLatin1Char('@') + QString::number(scale);
    if (key == layoutKey_) return layout_;

    QFont font = FitToWidth(font_, caption_, area.width());
    // Each letter once is enough for the box, and far quicker to measure; in
    // order, so that captions drawn from the same letters (the pay lines)
    // share one measurement.
    QString letters;
    for (const QChar c : caption_ + letterBoxTexts_)
        if (!letters.contains(c)) letters += c;
    std::sort(letters.begin(), letters.end());
    const LetterBox box = FittedLetterBox(font, letters, area.height() - 2 / scale);
    font.setPointSizeF(box.points);
    const qreal top = box.top, bottom = box.bottom;
    layoutKey_ = key;
    layout_ = {font, std::round((area.top() + (area.height() - top - bottom) / 2 + top) * scale) / scale};
    return layout_;
}

// A wrapped caption's font: made smaller only while its lines would be
// wider or, together, taller than the label.
QFont CaptionView::WrappedFont() const {
    const QRectF area = rect().adjusted(kMargin, 0, -kMargin, 0);
    QFont font = font_;
    for (int attempt = 0; attempt < 40 && font.pointSizeF() > 4.0; ++attempt) {
        const QRectF needed =
            QFontMetricsF(font).boundingRect(area, static_cast<int>(alignment_) | Qt::TextWordWrap, caption_);
        if (needed.width() <= area.width() && needed.height() <= area.height()) break;
        font.setPointSizeF(std::max(4.0, font.pointSizeF() - 0.25));
    }
    return font;
}

QFont CaptionView::ShownFont() const { return wordWrap_ ? WrappedFont() : LineLayout().font; }

void CaptionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (back_.isValid()) painter.fillRect(rect(), back_);
    if (caption_.isEmpty()) return;
    painter.setPen(text_);
    const QRect area = rect().adjusted(kMargin, 0, -kMargin, 0);
    if (wordWrap_) {
        painter.setFont(WrappedFont());
        painter.drawText(area, static_cast<int>(alignment_) | Qt::TextWordWrap, caption_);
        return;
    }
    const Layout layout = LineLayout();
    painter.setFont(layout.font);
    const qreal advance = QFontMetricsF(layout.font).horizontalAdvance(caption_);
    qreal left = area.left();
    if (alignment_ & Qt::AlignHCenter) left += (area.width() - advance) / 2;
    else if (alignment_ & Qt::AlignRight) left += area.width() - advance;
    painter.drawText(QPointF(left, layout.baseline), caption_);
}

}  // namespace velmora::ui
