#pragma once

#include <QPixmap>
#include <QWidget>
#include <memory>

#include "ui/card_picture_file.h"

namespace velmora::ui {

// Stands in for a card picture control: shows one numbered frame of a
// picture set (1..52 the faces, 53 the back), or nothing when it has none.
// It takes no mouse input; clicks fall through to the click area above it.
class CardView : public QWidget {
    Q_OBJECT
public:
    explicit CardView(QWidget* parent);

    void SetPictures(std::shared_ptr<const CardPictures> pictures);
    bool HasPictures() const { return pictures_ && !pictures_->IsEmpty(); }
    void SetFrame(int frame);
    int Frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<const CardPictures> pictures_;
    int frame_ = 0;
    QPixmap scaled_;  // the frame at this screen's pixel size
    int scaledFrame_ = 0;
};

}  // namespace velmora::ui
