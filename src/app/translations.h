#pragma once

#include <QLocale>

namespace velmora::app {

// Installs the game's translation for the first of the locale's languages
// that has one (French, German, Spanish), and Qt's own where Qt ships it.
// English, the game's own language, needs none. Numbers are then written
// in the language shown: the locale becomes the default where it speaks
// that language, else the language's own conventions do. Returns whether
// the game's translation was found.
bool InstallTranslations(const QLocale& locale = QLocale());

}  // namespace velmora::app
