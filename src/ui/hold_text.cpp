#include "ui/hold_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <bit>

#include "table/card_code.h"
#include "ui/card_names.h"

namespace velmora::ui {

QString ShortCardName(int code) {
    static const char16_t kSuits[] = {u'\u2663', u'\u2666', u'\u2665', u'\u2660'};  // clubs, diamonds, hearts, spades
    if (!IsCardCode(code)) return QStringLiteral("?");
    QString rank;
    switch (RankOf(code)) {
        case kAce: rank = QCoreApplication::translate("Advisor", "A", "the Ace, on a card"); break;
        case kJack: rank = QCoreApplication::translate("Advisor", "J", "the Jack, on a card"); break;
        case kQueen: rank = QCoreApplication::translate("Advisor", "Q", "the Queen, on a card"); break;
        case kKing: rank = QCoreApplication::translate("Advisor", "K", "the King, on a card"); break;
        default: rank = QString::number(RankOf(code));
    }
    return rank + QChar(kSuits[BlockOf(code) - 1]);
}

bool IsRedCard(int code) { return IsCardCode(code) && (BlockOf(code) == 2 || BlockOf(code) == 3); }

QString KeptCards(const strategy::Deal& deal, int hold) {
    if (hold == 0) return QCoreApplication::translate("Advisor", "no card");
    QStringList cards;
    for (int slot = 1; slot <= 5; ++slot)
        if (strategy::Keeps(hold, slot)) cards << ShortCardName(deal[static_cast<std::size_t>(slot - 1)]);
    return cards.join(QChar(0x00a0));
}

QString HoldInWords(const strategy::Deal& deal, int hold) {
    if (hold == 0) return QCoreApplication::translate("Advisor", "draw five new cards");
    QStringList cards;
    for (int slot = 1; slot <= 5; ++slot)
        if (strategy::Keeps(hold, slot)) cards << CardName(deal[static_cast<std::size_t>(slot - 1)]);
    if (std::popcount(unsigned(hold)) == 5) return QCoreApplication::translate("Advisor", "keep all five cards");
    return QCoreApplication::translate("Advisor", "keep %1").arg(QLocale().createSeparatedList(cards));
}

QString CreditsText(double credits) { return QLocale().toString(credits, 'f', 4); }

}  // namespace velmora::ui
