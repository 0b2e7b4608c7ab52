// velmora-replay: plays the game's own table code without a window, on a
// virtual clock, from a script on standard input. See README.md.
#include <iostream>

#include "replay_driver.h"

int main() {
    std::ios::sync_with_stdio(false);
    return velmora::replay::RunScript(std::cin, std::cout, std::cerr);
}
