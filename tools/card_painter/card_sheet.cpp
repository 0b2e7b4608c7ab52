#include "card_sheet.h"

#include <QPainter>

#include "card_back.h"
#include "card_faces.h"

namespace velmora::painter {
namespace {

QPoint CellOrigin(int frame) {
    const int index = frame - 1;
    return {(index % kSheetColumns) * kCardWidth, (index / kSheetColumns) * kCardHeight};
}

}  // namespace

QImage PaintSheet(const CardFonts& fonts) {
    QImage sheet(kSheetColumns * kCardWidth, kSheetRows * kCardHeight, QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::transparent);
    QPainter painter(&sheet);
    for (int frame = 1; frame <= 52; ++frame) {
        const auto suit = static_cast<Suit>((frame - 1) / 13 + 1);
        const int rank = (frame - 1) % 13 + 1;
        painter.drawImage(CellOrigin(frame), PaintFace(suit, rank, fonts));
    }
    painter.drawImage(CellOrigin(kCardBack), PaintBack(fonts));
    return sheet;
}

}  // namespace velmora::painter
