#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>
#include <map>
#include <memory>
#include <utility>

#include "pictures/card_picture_file.h"

namespace velmora::ui {

using pictures::CardPictures;

// `source` resampled to `size` pixels on the calling thread, as 32-bit
// premultiplied ARGB: each pixel the average of the area it covers when
// shrinking, a blend of the two nearest in each direction when growing.
// Qt's own smooth scaling hands its work to a thread pool, which waits for
// ever when no thread can be started (memory is short). Null when either
// size is empty.
QImage ScaledSmoothly(const QImage& source, QSize size);

// One picture set's frames, each scaled once per pixel size and then kept;
// the card views that show the set share it.
class CardFrames {
public:
    explicit CardFrames(CardPictures pictures) : pictures_(std::move(pictures)) {}

    bool IsEmpty() const { return pictures_.IsEmpty(); }
    // Frame 1..53 at `pixels`, for a screen of that pixel ratio; null
    // when there is none, or no memory to scale it.
    QImage Scaled(int frame, QSize pixels, qreal ratio);
    // How many scalings were done so far.
    int Scalings() const { return scalings_; }

private:
    CardPictures pictures_;
    std::map<std::pair<int, std::pair<int, int>>, QImage> scaled_;
    int scalings_ = 0;
};

// Stands in for a card picture control: shows one numbered frame of a
// picture set (1..52 the faces, 53 the back), or nothing when it has none.
// It takes no mouse input; clicks fall through to the click area above it.
class CardView : public QWidget {
    Q_OBJECT
public:
    explicit CardView(QWidget* parent);

    void SetPictures(std::shared_ptr<CardFrames> pictures);
    bool HasPictures() const { return pictures_ && !pictures_->IsEmpty(); }
    void SetFrame(int frame);
    int Frame() const { return frame_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::shared_ptr<CardFrames> pictures_;
    int frame_ = 0;
};

}  // namespace velmora::ui
