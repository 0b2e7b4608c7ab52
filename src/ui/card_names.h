#pragma once

#include <QString>

namespace velmora::ui {

// What a card picture shows, in words: "King of Clubs", "Ten of Hearts", or
// "face down" for the back. The suit of each block is the one the card
// pictures give it.
QString CardName(int frame);

}  // namespace velmora::ui
