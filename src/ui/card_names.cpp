#include "ui/card_names.h"

#include <QCoreApplication>

#include "table/card_code.h"

namespace velmora::ui {

QString CardName(int frame) {
    if (!IsCardCode(frame)) return QCoreApplication::translate("Velmora", "face down");
    static const char* const kRanks[] = {
        QT_TRANSLATE_NOOP("Velmora", "Ace"),   QT_TRANSLATE_NOOP("Velmora", "Two"),   QT_TRANSLATE_NOOP("Velmora", "Three"),
        QT_TRANSLATE_NOOP("Velmora", "Four"),  QT_TRANSLATE_NOOP("Velmora", "Five"),  QT_TRANSLATE_NOOP("Velmora", "Six"),
        QT_TRANSLATE_NOOP("Velmora", "Seven"), QT_TRANSLATE_NOOP("Velmora", "Eight"), QT_TRANSLATE_NOOP("Velmora", "Nine"),
        QT_TRANSLATE_NOOP("Velmora", "Ten"),   QT_TRANSLATE_NOOP("Velmora", "Jack"),  QT_TRANSLATE_NOOP("Velmora", "Queen"),
        QT_TRANSLATE_NOOP("Velmora", "King")};
    static const char* const kSuits[] = {QT_TRANSLATE_NOOP("Velmora", "Clubs"), QT_TRANSLATE_NOOP("Velmora", "Diamonds"),
                                         QT_TRANSLATE_NOOP("Velmora", "Hearts"), QT_TRANSLATE_NOOP("Velmora", "Spades")};
    const auto word = [](const char* english) { return QCoreApplication::translate("Velmora", english); };
    //: A card in words: %1 is its rank, %2 its suit ("Queen of Hearts").
    return QCoreApplication::translate("Velmora", "%1 of %2")
        .arg(word(kRanks[RankOf(frame) - 1]), word(kSuits[BlockOf(frame) - 1]));
}

}  // namespace velmora::ui
