#include "ui/table_draw_text.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <vector>

#include "session/table_reading.h"
#include "table/control_table.h"
#include "ui/hold_text.h"

namespace velmora::ui {
namespace {

// The hand's name as the pay table shows it.
QString HandName(strategy::HandClass handClass) {
    for (const PayLineEntry& line : kPayLines)
        if (session::ClassOfLine(line) == handClass)
            return QCoreApplication::translate("Table", std::string(line.hand).c_str());
    return QString();
}

}  // namespace

QString SlotsText(int drawnSlots) {
    QStringList numbers;
    int first = 0, last = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        if (!strategy::Keeps(drawnSlots, slot)) continue;
        numbers << QLocale().toString(slot);
        if (first == 0) first = slot;
        last = slot;
    }
    if (numbers.size() == 1) return QCoreApplication::translate("Advisor", "slot %1").arg(numbers[0]);
    if (last - first + 1 == numbers.size() && numbers.size() > 2)
        return QCoreApplication::translate("Advisor", "slots %1 to %2").arg(numbers.front(), numbers.back());
    return QCoreApplication::translate("Advisor", "slots %1").arg(QLocale().createSeparatedList(numbers));
}

QString TableDrawText(const session::HoldAdvice& advice, const session::TableDrawNote& note) {
    // Cards kept out of the same slots are named together.
    QStringList clauses;
    std::vector<int> slotSets;
    for (const strategy::BarredCard& barred : note.barred)
        if (std::find(slotSets.begin(), slotSets.end(), barred.drawnSlots) == slotSets.end())
            slotSets.push_back(barred.drawnSlots);
    for (const int drawnSlots : slotSets) {
        QStringList cards;
        for (const strategy::BarredCard& barred : note.barred)
            if (barred.drawnSlots == drawnSlots) cards << ShortCardName(barred.card);
        clauses << QCoreApplication::translate("Advisor", "the %1 of the last hand cannot come back into %2")
                       .arg(QLocale().createSeparatedList(cards), SlotsText(drawnSlots));
    }
    QString reason = QLocale().createSeparatedList(clauses);
    if (!reason.isEmpty()) reason[0] = reason[0].toUpper();
    const QString kept = KeptCards(advice.deal, note.hold);
    const QString outcome =
        note.lost ? QCoreApplication::translate("Advisor", "so keeping %1 cannot make a %2").arg(kept, HandName(*note.lost))
                  : QCoreApplication::translate("Advisor", "so keeping %1 is worth %2 here, not %3")
                        .arg(kept, CreditsText(advice.Value(note.hold)),
                             CreditsText(advice.deckValues[static_cast<std::size_t>(note.hold)]));
    return QCoreApplication::translate("Advisor", "%1, %2.").arg(reason, outcome);
}

}  // namespace velmora::ui
