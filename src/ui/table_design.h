#pragma once

#include <QRect>
#include <QString>

#include "table/poker.h"

// How the table's buttons and pay-table lines look: the word each button
// shows, its face, where it stands, what it does in words and its letter key;
// where each pay line stands. Which buttons and lines there are comes from
// the table of controls.

namespace velmora::ui {

struct ButtonLook {
    Button Poker::*member;
    const char* word;
    Colour face;
    int top;                  // twips
    const char* description;  // for the tooltip and assistive technology
    char key;                 // the letter that presses it
};

struct PayLinePlace {
    Label Poker::*member;
    int left, top;  // twips
};

const ButtonLook& LookOf(Button Poker::*member);
QRect PayLineRectOf(Label Poker::*member);

// The buttons the window gives the focus to when the buttons on show change
// and the game has asked for none: the first of them on show and enabled.
inline constexpr Button Poker::*kFocusPreference[] = {&Poker::Take, &Poker::Big, &Poker::Deal2, &Poker::Deal1};

}  // namespace velmora::ui
