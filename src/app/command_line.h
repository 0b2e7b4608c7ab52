#pragma once

#include <optional>

namespace velmora::app {

// Reads the game's command line before any window-system connection is
// made: --help and --version print their text on standard output, and an
// unknown option or an argument gets one line on standard error. Returns
// the exit status when the program is to end there; nothing when the game
// is to start. Qt's own window-system options (-platform NAME, -display
// NAME, -style NAME, -reverse, ...) are left for the application.
std::optional<int> AnswerCommandLine(int argc, char* argv[]);

}  // namespace velmora::app
