#include "ui/caption_view.h"

#include <QPainter>

#include "ui/look.h"

namespace velmora::ui {
namespace {
constexpr int kMargin = 1;
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

void CaptionView::SetWordWrap(bool wrap) {
    wordWrap_ = wrap;
    update();
}

void CaptionView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    if (back_.isValid()) painter.fillRect(rect(), back_);
    if (caption_.isEmpty()) return;
    painter.setPen(text_);
    const QRect area = rect().adjusted(kMargin, 0, -kMargin, 0);
    if (wordWrap_) {
        painter.setFont(font_);
        painter.drawText(area, static_cast<int>(alignment_) | Qt::TextWordWrap, caption_);
    } else {
        painter.setFont(FitToWidth(font_, caption_, area.width()));
        painter.drawText(area, static_cast<int>(alignment_) | Qt::AlignVCenter | Qt::TextDontClip, caption_);
    }
}

}  // namespace velmora::ui
