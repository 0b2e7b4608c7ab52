#pragma once

// What the table's pixels must show at any scale: buttons framed evenly,
// and labels whose letters are whole.
#include <gtest/gtest.h>

#include <QImage>
#include <QWidget>
#include <cmath>

namespace velmora::ui::testing {

// A window's child by its name; a failure when there is none.
inline QWidget* Child(const QWidget& window, const QString& name) {
    QWidget* child = window.findChild<QWidget*>(name);
    EXPECT_NE(child, nullptr) << name.toStdString();
    return child;
}

inline QRect InDevicePixels(const QRect& r, qreal scale) {
    return QRect(qRound(r.x() * scale), qRound(r.y() * scale), qRound(r.width() * scale), qRound(r.height() * scale));
}

// Whether a pixel is within `tolerance` of a colour in each channel, and
// the share of an area's pixels that are.
inline bool Near(QRgb pixel, QColor c, int tolerance) {
    return std::abs(qRed(pixel) - c.red()) <= tolerance && std::abs(qGreen(pixel) - c.green()) <= tolerance &&
           std::abs(qBlue(pixel) - c.blue()) <= tolerance;
}

inline double ShareOfPixels(const QImage& image, const QRect& area, QColor colour, int tolerance) {
    int hits = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) hits += Near(image.pixel(x, y), colour, tolerance);
    return double(hits) / (area.width() * area.height());
}

// A button's frame: the same number of black pixels on each of its four
// sides, then its bevel, not black; nothing of the face outside the black.
inline void ExpectEvenFrame(const QImage& shot, const QWidget& button, qreal scale) {
    const QRect r = InDevicePixels(button.geometry(), scale);
    const int line = std::max(1, qRound(scale));
    const auto black = [&](int x, int y) { return (shot.pixel(x, y) & 0xFFFFFF) == 0; };
    const int cx = r.center().x(), cy = r.center().y();
    for (int i = 0; i <= line; ++i) {
        const QPoint side[] = {{cx, r.top() + i}, {cx, r.bottom() - i}, {r.left() + i, cy}, {r.right() - i, cy}};
        for (int s = 0; s < 4; ++s)  // top, bottom, left, right
            EXPECT_EQ(black(side[s].x(), side[s].y()), i < line) << button.objectName().toStdString() << " side " << s;
    }
}

// No letter is cut at a label's top or bottom edge: no pixel of those rows
// is more than half as far from the background as the strongest ink in the
// label (a letter cut flat would show its full ink there; the soft edge of
// a whole one, far less).
inline void ExpectWholeLetters(const QImage& shot, const QWidget& label, qreal scale) {
    const QRect r = InDevicePixels(label.geometry(), scale);
    const QRgb background = shot.pixel(r.left(), r.top());
    const auto ink = [&](int x, int y) {
        const QRgb p = shot.pixel(x, y);
        return std::abs(qRed(p) - qRed(background)) + std::abs(qGreen(p) - qGreen(background)) +
               std::abs(qBlue(p) - qBlue(background));
    };
    int strongest = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x) strongest = std::max(strongest, ink(x, y));
    ASSERT_GT(strongest, 0) << label.objectName().toStdString() << " shows nothing";
    for (const int y : {r.top(), r.bottom()})
        for (int x = r.left(); x <= r.right(); ++x)
            ASSERT_LE(2 * ink(x, y), strongest)
                << label.objectName().toStdString() << " cut at x " << x << ", row " << y << " at scale " << scale;
}

// A centred caption: as much room left of its ink as right of it, to a
// device pixel or two.
inline void ExpectCentred(const QImage& shot, const QWidget& label, qreal scale) {
    const QRect r = InDevicePixels(label.geometry(), scale);
    const QRgb background = shot.pixel(r.left(), r.top());
    int left = r.right(), right = r.left();
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            if (shot.pixel(x, y) != background) left = std::min(left, x), right = std::max(right, x);
    EXPECT_NEAR(left - r.left(), r.right() - right, 2 * scale) << label.objectName().toStdString();
}

}  // namespace velmora::ui::testing
