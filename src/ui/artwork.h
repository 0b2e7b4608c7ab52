#pragma once

#include <QIcon>
#include <QRectF>
#include <QString>

class QPainter;

namespace velmora::ui {

// Pictures the game draws itself.
void PaintScoreWord(QPainter& painter, const QRectF& area);                       // the word SCORE
void PaintTitle(QPainter& painter, const QRectF& area, const QString& version);   // About's title
void PaintIcon(QPainter& painter, const QRectF& area);                            // the window icon
QIcon VelmoraIcon();

}  // namespace velmora::ui
