#pragma once

#include <QRect>
#include <QString>
#include <string_view>

#include "table/control_table.h"

// How the table's buttons and pay-table lines look: the word each button
// shows, its face, where it stands, what it does in words and its letter key;
// where each pay line stands. Which buttons and lines there are comes from
// the table of controls: these lists follow it entry for entry, in its
// order, and the compiler checks that they do.

namespace velmora::ui {

struct ButtonLook {
    std::string_view name;  // the control's, as the table of controls has it
    const char* word;
    Colour face;
    int top;                  // twips
    const char* description;  // for the tooltip and assistive technology
    char key;                 // the letter that presses it
};

struct PayLinePlace {
    std::string_view name;
    int left, top;  // twips
};

const ButtonLook& LookOf(const ButtonEntry& button);
QRect PayLineRectOf(const PayLineEntry& line);

// The buttons the window gives the focus to when the buttons on show change
// and the game has asked for none: the first of them on show and enabled.
inline constexpr Button PokerState::*kFocusPreference[] = {&PokerState::Take, &PokerState::Big, &PokerState::Deal2,
                                                           &PokerState::Deal1};

}  // namespace velmora::ui
