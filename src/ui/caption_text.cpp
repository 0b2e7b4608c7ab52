#include "ui/caption_text.h"

#include <QCoreApplication>
#include <algorithm>
#include <charconv>
#include <iterator>

#include "payout/win_message.h"
#include "table/captions.h"
#include "table/control_table.h"

namespace velmora::ui {
namespace {

// The game's fixed captions and the pay table's hands, as translators see
// them (the translation tools read only literal text): each is the game's
// own, checked below.
constexpr const char* kFixed[] = {
    QT_TRANSLATE_NOOP("Table", "Press Deal to Start the Game"),
    QT_TRANSLATE_NOOP("Table", "Click inside the card you want to keep"),
    QT_TRANSLATE_NOOP("Table", "Press Deal for next hand"),
    QT_TRANSLATE_NOOP("Table", "You Win 1 Point"),
    QT_TRANSLATE_NOOP("Table", "HOLD"),
};
static_assert(kFixed[0] == kStartCaption && kFixed[1] == kKeepCaption && kFixed[2] == kNextHandCaption &&
              kFixed[3] == kOnePointWin && kFixed[4] == kHoldCaption);

// In the pay table's order.
constexpr const char* kHands[] = {
    QT_TRANSLATE_NOOP("Table", "Royal Flush"),  QT_TRANSLATE_NOOP("Table", "Straight Flush"),
    QT_TRANSLATE_NOOP("Table", "4 of a Kind"),  QT_TRANSLATE_NOOP("Table", "Full House"),
    QT_TRANSLATE_NOOP("Table", "Flush"),        QT_TRANSLATE_NOOP("Table", "Straight"),
    QT_TRANSLATE_NOOP("Table", "3 of a Kind"),  QT_TRANSLATE_NOOP("Table", "Two Pairs"),
    QT_TRANSLATE_NOOP("Table", "Jacks or Better"),
};
constexpr bool HandsFollowThePayTable() {
    if (std::size(kHands) != kPayLines.size()) return false;
    for (std::size_t i = 0; i < kPayLines.size(); ++i)
        if (kHands[i] != kPayLines[i].hand) return false;
    return true;
}
static_assert(HandsFollowThePayTable());

QString Translate(const char* source, int n = -1) { return QCoreApplication::translate("Table", source, nullptr, n); }

// A pay line: its hand, then the points right-aligned, so that the
// fixed-pitch font lines the points up in a column as wide as the most
// points, which no hand's name enters: 19 characters, or as many as the
// longest translated name needs with one blank before that column.
QString PayLineText(const PayLineEntry& line) {
    const auto hand = [](const PayLineEntry& l) { return Translate(kHands[&l - kPayLines.data()]); };
    qsizetype longestHand = 0, widestPoints = 0;
    for (const PayLineEntry& other : kPayLines) {
        longestHand = std::max(longestHand, hand(other).size());
        widestPoints = std::max(widestPoints, QString::number(other.points).size());
    }
    const qsizetype width = std::max<qsizetype>(19, longestHand + 1 + widestPoints);
    const QString points = QString::number(line.points);
    return hand(line) + QString(width - hand(line).size() - points.size(), QLatin1Char(' ')) + points;
}

}  // namespace

QString ShownCaption(std::string_view caption) {
    for (const char* fixed : kFixed)
        if (caption == fixed) return Translate(fixed);
    for (const PayLineEntry& line : kPayLines)
        if (caption == PayLineCaption(line)) return PayLineText(line);
    // "You Win " and the amount with one blank in the place of its sign.
    if (caption.starts_with(kWinBefore) && caption.ends_with(kWinAfter)) {
        int amount = 0;
        const char* first = caption.data() + kWinBefore.size();
        const char* last = caption.data() + caption.size() - kWinAfter.size();
        if (std::from_chars(first, last, amount).ptr == last)
            return Translate(QT_TRANSLATE_N_NOOP("Table", "You Win  %n Points"), amount);
    }
    return QString::fromUtf8(caption.data(), qsizetype(caption.size()));
}

QString ShownMessages() {
    QString messages;
    for (const char* fixed : kFixed) messages += Translate(fixed);
    return messages + Translate("You Win  %n Points", 16384);
}

QStringList ShownPayLines() {
    QStringList lines;
    for (const PayLineEntry& line : kPayLines) lines << PayLineText(line);
    return lines;
}

}  // namespace velmora::ui
