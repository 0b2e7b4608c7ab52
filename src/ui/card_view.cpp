#include "ui/card_view.h"

#include <QPainter>
#include <algorithm>
#include <array>
#include <new>
#include <vector>

namespace velmora::ui {
namespace {

// Which source pixels along one axis make each destination pixel, and
// with what weight; the weights of each add up to 1.
struct Tap {
    int from;
    float weight;
};

std::vector<std::vector<Tap>> Taps(int from, int to) {
    std::vector<std::vector<Tap>> taps(static_cast<std::size_t>(to));
    const double step = double(from) / to;
    for (int i = 0; i < to; ++i) {
        auto& tap = taps[static_cast<std::size_t>(i)];
        if (step >= 1) {
            // The share of [i, i+1) * step that each source pixel covers.
            const double begin = i * step, end = begin + step;
            for (int j = static_cast<int>(begin); j < from && j < end; ++j) {
                const double cover = std::min(end, j + 1.0) - std::max(begin, double(j));
                if (cover > 0) tap.push_back({j, static_cast<float>(cover / step)});
            }
        } else {
            // The pixel centre's place among the source's centres.
            const double at = std::clamp((i + 0.5) * step - 0.5, 0.0, from - 1.0);
            const int j = static_cast<int>(at);
            const double part = at - j;
            tap.push_back({j, static_cast<float>(1 - part)});
            if (part > 0) tap.push_back({j + 1, static_cast<float>(part)});
        }
    }
    return taps;
}

using Pixel = std::array<float, 4>;  // premultiplied alpha, red, green, blue

}  // namespace

QImage ScaledSmoothly(const QImage& source, QSize size) {
    if (source.isNull() || size.isEmpty()) return {};
    const int width = source.width();
    const auto across = Taps(width, size.width()), down = Taps(source.height(), size.height());
    QImage scaled(size, QImage::Format_ARGB32_Premultiplied);
    if (scaled.isNull()) return {};
    const QList<QRgb> colours = source.colorTable();
    // One source row's pixels, premultiplied, read straight from the two
    // formats the loader gives.
    std::vector<QRgb> row(static_cast<std::size_t>(width));
    const auto read = [&](int y) {
        const uchar* line = source.constScanLine(y);
        if (source.format() == QImage::Format_Indexed8) {
            for (int x = 0; x < width; ++x) row[x] = line[x] < colours.size() ? colours[line[x]] : 0xFF000000;
        } else if (source.format() == QImage::Format_ARGB32) {
            std::copy_n(reinterpret_cast<const QRgb*>(line), width, row.begin());
        } else {
            for (int x = 0; x < width; ++x) row[x] = source.pixel(x, y);
        }
        for (QRgb& p : row) p = qPremultiply(p);
    };
    // Every sum is at least 0.
    const auto channel = [](float value, int most) { return std::min(static_cast<int>(value + 0.5f), most); };
    // Row by row: the source rows blended down into one line, then across.
    std::vector<Pixel> line(static_cast<std::size_t>(width));
    for (int y = 0; y < size.height(); ++y) {
        std::fill(line.begin(), line.end(), Pixel{});
        for (const Tap& tap : down[y]) {
            read(tap.from);
            for (int x = 0; x < width; ++x) {
                const QRgb p = row[x];
                const Pixel value{float(qAlpha(p)), float(qRed(p)), float(qGreen(p)), float(qBlue(p))};
                for (int c = 0; c < 4; ++c) line[x][c] += tap.weight * value[c];
            }
        }
        auto* out = reinterpret_cast<QRgb*>(scaled.scanLine(y));
        for (int x = 0; x < size.width(); ++x) {
            Pixel sum{};
            for (const Tap& tap : across[x])
                for (int c = 0; c < 4; ++c) sum[c] += tap.weight * line[tap.from][c];
            const int alpha = channel(sum[0], 255);
            out[x] = qRgba(channel(sum[1], alpha), channel(sum[2], alpha), channel(sum[3], alpha), alpha);
        }
    }
    return scaled;
}

QImage CardFrames::Scaled(int frame, QSize pixels, qreal ratio) try {
    QImage& scaled = scaled_[{frame, {pixels.width(), pixels.height()}}];
    if (scaled.isNull()) {
        scaled = ScaledSmoothly(pictures_.Frame(frame), pixels);
        ++scalings_;
    }
    if (scaled.devicePixelRatio() != ratio) scaled.setDevicePixelRatio(ratio);
    return scaled;
} catch (const std::bad_alloc&) {
    return {};  // short of memory: the card stays blank until the next paint
}

CardView::CardView(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
}

void CardView::SetPictures(std::shared_ptr<CardFrames> pictures) {
    pictures_ = std::move(pictures);
    update();
}

void CardView::SetFrame(int frame) {
    if (frame == frame_) return;
    frame_ = frame;
    update();
}

// Drawn from the double-size pictures: at 200% they are used as they are,
// at other scales resampled once for this screen's pixel size.
void CardView::paintEvent(QPaintEvent*) {
    if (!HasPictures()) return;
    const qreal ratio = devicePixelRatioF();
    const QImage scaled = pictures_->Scaled(frame_, (QSizeF(size()) * ratio).toSize(), ratio);
    if (!scaled.isNull()) QPainter(this).drawImage(0, 0, scaled);
}

}  // namespace velmora::ui
