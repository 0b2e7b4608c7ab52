#include "card_faces.h"

#include <QPainter>
#include <QPainterPath>

#include <array>
#include <span>

#include "lettering.h"

namespace velmora::painter {
namespace {

// Corner index: the rank above a small pip, in a column 24 pixels wide.
const QRectF kIndexRankBox(5, 9, 24, 23);
const QPointF kIndexPipCentre(17, 45);
constexpr qreal kIndexPipSize = 15;

// Number cards: three pip columns, and pip rows placed by their fraction of
// the distance between the top and the bottom row.
constexpr qreal kLeft = 44, kMiddle = 72, kRight = 100;
constexpr qreal kTopRow = 40, kBottomRow = 154;
constexpr qreal kPipSize = 26;
constexpr qreal kAcePipSize = 70;

struct PipSpot {
    qreal x;
    qreal fraction;  // 0 = top row, 1 = bottom row
};

// The classic layouts, rank 2 to 10.
std::span<const PipSpot> PipLayout(int rank) {
    static constexpr std::array<PipSpot, 2> two{{{kMiddle, 0}, {kMiddle, 1}}};
    static constexpr std::array<PipSpot, 3> three{{{kMiddle, 0}, {kMiddle, 0.5}, {kMiddle, 1}}};
    static constexpr std::array<PipSpot, 4> four{{{kLeft, 0}, {kRight, 0}, {kLeft, 1}, {kRight, 1}}};
    static constexpr std::array<PipSpot, 5> five{
        {{kLeft, 0}, {kRight, 0}, {kMiddle, 0.5}, {kLeft, 1}, {kRight, 1}}};
    static constexpr std::array<PipSpot, 6> six{
        {{kLeft, 0}, {kRight, 0}, {kLeft, 0.5}, {kRight, 0.5}, {kLeft, 1}, {kRight, 1}}};
    static constexpr std::array<PipSpot, 7> seven{{{kLeft, 0},
                                                   {kRight, 0},
                                                   {kMiddle, 0.25},
                                                   {kLeft, 0.5},
                                                   {kRight, 0.5},
                                                   {kLeft, 1},
                                                   {kRight, 1}}};
    static constexpr std::array<PipSpot, 8> eight{{{kLeft, 0},
                                                   {kRight, 0},
                                                   {kMiddle, 0.25},
                                                   {kLeft, 0.5},
                                                   {kRight, 0.5},
                                                   {kMiddle, 0.75},
                                                   {kLeft, 1},
                                                   {kRight, 1}}};
    static constexpr std::array<PipSpot, 9> nine{{{kLeft, 0},
                                                  {kRight, 0},
                                                  {kLeft, 1.0 / 3},
                                                  {kRight, 1.0 / 3},
                                                  {kMiddle, 0.5},
                                                  {kLeft, 2.0 / 3},
                                                  {kRight, 2.0 / 3},
                                                  {kLeft, 1},
                                                  {kRight, 1}}};
    static constexpr std::array<PipSpot, 10> ten{{{kLeft, 0},
                                                  {kRight, 0},
                                                  {kMiddle, 1.0 / 6},
                                                  {kLeft, 1.0 / 3},
                                                  {kRight, 1.0 / 3},
                                                  {kLeft, 2.0 / 3},
                                                  {kRight, 2.0 / 3},
                                                  {kMiddle, 5.0 / 6},
                                                  {kLeft, 1},
                                                  {kRight, 1}}};
    switch (rank) {
        case 2: return two;
        case 3: return three;
        case 4: return four;
        case 5: return five;
        case 6: return six;
        case 7: return seven;
        case 8: return eight;
        case 9: return nine;
        case 10: return ten;
        default: return {};
    }
}

QString RankText(int rank) {
    switch (rank) {
        case 1: return QStringLiteral("A");
        case 11: return QStringLiteral("J");
        case 12: return QStringLiteral("Q");
        case 13: return QStringLiteral("K");
        default: return QString::number(rank);
    }
}

void PaintIndex(QPainter& painter, Suit suit, int rank, const CardFonts& fonts) {
    painter.setPen(Qt::NoPen);
    painter.setBrush(SuitInk(suit));
    painter.drawPath(LetterPath(RankText(rank), fonts.index, kIndexRankBox, 1.5));
    DrawPip(painter, suit, kIndexPipCentre, kIndexPipSize);
}

void PaintNumberPips(QPainter& painter, Suit suit, int rank) {
    for (const PipSpot& spot : PipLayout(rank)) {
        const qreal y = kTopRow + spot.fraction * (kBottomRow - kTopRow);
        DrawPip(painter, suit, {spot.x, y}, kPipSize, spot.fraction > 0.5);
    }
}

void PaintAce(QPainter& painter, Suit suit) {
    const QPointF centre(kCardWidth / 2.0, kCardHeight / 2.0);
    DrawPip(painter, suit, centre, kAcePipSize);
}

}  // namespace

QImage NewCardImage() {
    QImage image(kCardWidth, kCardHeight, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    return image;
}

void PaintCardBlank(QPainter& painter) {
    painter.setPen(QPen(kBorderGrey, 2));
    painter.setBrush(kFaceWhite);
    painter.drawRoundedRect(CardOutline(), kCornerRadius, kCornerRadius);
}

QImage PaintFace(Suit suit, int rank, const CardFonts& fonts) {
    QImage image = NewCardImage();
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    PaintCardBlank(painter);

    PaintIndex(painter, suit, rank, fonts);
    painter.save();
    painter.translate(kCardWidth, kCardHeight);
    painter.rotate(180);
    PaintIndex(painter, suit, rank, fonts);
    painter.restore();

    if (rank == 1)
        PaintAce(painter, suit);
    else if (rank <= 10)
        PaintNumberPips(painter, suit, rank);
    else
        PaintCourtPanel(painter, suit, rank, fonts);
    return image;
}

}  // namespace velmora::painter
