#include "ui/table_design.h"

#include <QtGlobal>
#include <iterator>

#include "ui/geometry.h"

namespace velmora::ui {
namespace {

constexpr ButtonLook kLooks[] = {
    {"Deal1", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Deal"), kOrange, 3060,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Deal a new hand for one credit"), 'D'},
    {"Deal2", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Deal"), kOrange, 3060,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Draw: replace every card without HOLD"), 'D'},
    {"Cancel", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Cancel"), kLightOrange, 1080,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Let go of every held card"), 'C'},
    {"Take", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Take"), kLightOrange, 2400,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Add the win to the credits"), 'T'},
    {"DoubleB", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Double"), kLightOrange, 1740,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Risk the win on big-or-small guesses"), 'U'},
    {"Big", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Big"), kDarkRed, 1740,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Guess that the next card is bigger"), 'B'},
    {"Small", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Small"), kDarkRed, 1080,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Guess that the next card is smaller"), 'S'},
    {"About", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "About"), kLightOrange, 3720,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "About Velmora"), 'A'},
    {"Sortie", QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Exit"), kLightOrange, 4380,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "End the game"), 'Q'},
};

constexpr PayLinePlace kPlaces[] = {
    {"Royal", 180, 480},   {"SFlush", 180, 780},   {"Kind", 180, 1080},
    {"Full", 180, 1380},   {"Flush", 3180, 480},   {"Straight", 3180, 780},
    {"Tree", 3180, 1080},  {"Two", 3180, 1380},    {"Jack", 1680, 1680},
};

template <class Entries, class Extras>
constexpr bool FollowsEntryForEntry(const Entries& entries, const Extras& extras) {
    if (std::size(entries) != std::size(extras)) return false;
    for (std::size_t i = 0; i < std::size(entries); ++i)
        if (entries[i].name != extras[i].name) return false;
    return true;
}
static_assert(FollowsEntryForEntry(kButtons, kLooks), "one look for each button, in the table's order");
static_assert(FollowsEntryForEntry(kPayLines, kPlaces), "one place for each pay line, in the table's order");

}  // namespace

const ButtonLook& LookOf(const ButtonEntry& button) {
    return kLooks[static_cast<std::size_t>(&button - kButtons.data())];
}

QRect PayLineRectOf(const PayLineEntry& line) {
    const PayLinePlace& place = kPlaces[static_cast<std::size_t>(&line - kPayLines.data())];
    return PayLineRect(place.left, place.top);
}

}  // namespace velmora::ui
