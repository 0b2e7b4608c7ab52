#pragma once

#include <QColor>
#include <QString>

#include "strategy/hold_values.h"

// Holds and values as the advisor writes them, in signs for the eye and in
// words for screen readers.

namespace velmora::ui {

// "K♠", "10♥": the card's rank and suit sign.
QString ShortCardName(int code);
// Hearts and Diamonds are red.
bool IsRedCard(int code);
// "K♠ Q♠ J♠": the cards kept alone, never broken over two lines, or "no card".
QString KeptCards(const strategy::Deal& deal, int hold);
// "keep King of Spades, Queen of Spades and Jack of Spades", or
// "draw five new cards".
QString HoldInWords(const strategy::Deal& deal, int hold);
// An expected value in credits, to four decimals: "1.2345".
QString CreditsText(double credits);

}  // namespace velmora::ui
