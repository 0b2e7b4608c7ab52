#include "ui/card_names.h"

#include <QCoreApplication>

#include "table/card_code.h"

namespace velmora::ui {

QString CardName(int frame) {
    if (!IsCardCode(frame)) return QCoreApplication::translate("Velmora", "face down");
    static const char* const kRanks[] = {"Ace", "Two", "Three", "Four", "Five", "Six", "Seven",
                                         "Eight", "Nine", "Ten", "Jack", "Queen", "King"};
    static const char* const kSuits[] = {"Clubs", "Diamonds", "Hearts", "Spades"};
    return QCoreApplication::translate("Velmora", "%1 of %2")
        .arg(QLatin1String(kRanks[RankOf(frame) - 1]), QLatin1String(kSuits[BlockOf(frame) - 1]));
}

}  // namespace velmora::ui
