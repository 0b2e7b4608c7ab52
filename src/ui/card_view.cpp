#include "ui/card_view.h"

#include <QPainter>

namespace velmora::ui {

CardView::CardView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardView::SetPictures(std::shared_ptr<const CardPictures> pictures) {
    pictures_ = std::move(pictures);
    scaledFrame_ = 0;
    update();
}

void CardView::SetFrame(int frame) {
    if (frame == frame_) return;
    frame_ = frame;
    update();
}

void CardView::paintEvent(QPaintEvent*) {
    if (!HasPictures()) return;
    const qreal ratio = devicePixelRatioF();
    const QSize pixels = (QSizeF(size()) * ratio).toSize();
    if (scaledFrame_ != frame_ || scaled_.size() != pixels) {
        const QImage face = pictures_->Frame(frame_);
        if (face.isNull()) return;
        // Drawn from the double-size pictures: at 200% they are used as they
        // are, at 100% they are shrunk with a smooth filter.
        scaled_ = QPixmap::fromImage(face.size() == pixels
                                         ? face
                                         : face.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled_.setDevicePixelRatio(ratio);
        scaledFrame_ = frame_;
    }
    QPainter(this).drawPixmap(0, 0, scaled_);
}

}  // namespace velmora::ui
