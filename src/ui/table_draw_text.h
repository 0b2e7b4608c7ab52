#pragma once

#include <QString>

#include "session/hold_advice.h"

namespace velmora::ui {

// "Drawn slots" as the advisor names them: "slot 5", "slots 2 to 5",
// "slots 2, 4 and 5"; bit N-1 of `drawnSlots` stands for slot N.
QString SlotsText(int drawnSlots);

// One sentence on why the table's draw values a hold otherwise than a
// shuffled deck, cards in signs: "The 10♠ of the last hand cannot come back
// into slot 5, so keeping A♠ K♠ Q♠ J♠ cannot make a Royal Flush."
QString TableDrawText(const session::HoldAdvice& advice, const session::TableDrawNote& note);

}  // namespace velmora::ui
