#include "ui/table_design.h"

#include <QtGlobal>
#include <cassert>

#include "ui/geometry.h"

namespace velmora::ui {
namespace {

constexpr ButtonLook kLooks[] = {
    {&Poker::Deal1, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Deal"), kOrange, 3060,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Deal a new hand for one credit"), 'D'},
    {&Poker::Deal2, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Deal"), kOrange, 3060,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Draw: replace every card without HOLD"), 'D'},
    {&Poker::Cancel, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Cancel"), kLightOrange, 1080,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Let go of every held card"), 'C'},
    {&Poker::Take, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Take"), kLightOrange, 2400,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Add the win to the credits"), 'T'},
    {&Poker::DoubleB, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Double"), kLightOrange, 1740,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Risk the win on big-or-small guesses"), 'U'},
    {&Poker::Big, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Big"), kDarkRed, 1740,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Guess that the next card is bigger"), 'B'},
    {&Poker::Small, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Small"), kDarkRed, 1080,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Guess that the next card is smaller"), 'S'},
    {&Poker::About, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "About"), kLightOrange, 3720,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "About Velmora"), 'A'},
    {&Poker::Sortie, QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "Exit"), kLightOrange, 4380,
     QT_TRANSLATE_NOOP("velmora::ui::TableWindow", "End the game"), 'Q'},
};

constexpr PayLinePlace kPlaces[] = {
    {&Poker::Royal, 180, 480},   {&Poker::SFlush, 180, 780},   {&Poker::Kind, 180, 1080},
    {&Poker::Full, 180, 1380},   {&Poker::Flush, 3180, 480},   {&Poker::Straight, 3180, 780},
    {&Poker::Tree, 3180, 1080},  {&Poker::Two, 3180, 1380},    {&Poker::Jack, 1680, 1680},
};

}  // namespace

const ButtonLook& LookOf(Button Poker::*member) {
    for (const ButtonLook& look : kLooks)
        if (look.member == member) return look;
    assert(!"every button has a look");
    return kLooks[0];
}

QRect PayLineRectOf(Label Poker::*member) {
    for (const PayLinePlace& place : kPlaces)
        if (place.member == member) return PayLineRect(place.left, place.top);
    assert(!"every pay line has a place");
    return {};
}

}  // namespace velmora::ui
