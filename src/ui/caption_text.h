#pragma once

#include <QString>
#include <QStringList>
#include <string_view>

namespace velmora::ui {

// A caption of the table as the player reads it: the game's own English
// caption, or its translation in the language of the desktop. The game's
// rules keep and read their captions in English; only what is drawn is
// translated. Without a translation the caption is shown exactly as the
// game wrote it.
QString ShownCaption(std::string_view caption);

// Every message the message line may show, and every pay-table line, as
// shown: what the labels' letters and fonts are fitted to.
QString ShownMessages();
QStringList ShownPayLines();

}  // namespace velmora::ui
