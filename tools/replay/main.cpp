// velmora-replay: plays the game's own table code without a window, on a
// virtual clock, from a script on standard input or in a file. See README.md.
#include <cerrno>
#include <cstring>
#include <fstream>
#include <iostream>
#include <new>
#include <string_view>

#include "replay_driver.h"

namespace {

constexpr const char* kUsage =
    "Usage: velmora-replay [SCRIPT]\n"
    "Plays a replay script, from the file SCRIPT or from standard input, against\n"
    "the game's table on a virtual clock, and prints one line of JSON for every\n"
    "'state' and 'advice' command. Exit status: 0 when the script has run, 1\n"
    "when it cannot be read, the output cannot be written or memory runs out,\n"
    "2 for bad input or bad usage.\n";

}  // namespace

int main(int argc, char* argv[]) try {
    std::ios::sync_with_stdio(false);
    if (argc == 1) return velmora::replay::RunScript(std::cin, std::cout, std::cerr);

    const std::string_view argument = argv[1];
    if (argc == 2 && argument == "--help") {
        if (std::cout << kUsage << std::flush) return 0;
        std::cerr << "velmora-replay: cannot write the output: " << std::strerror(errno) << '\n';
        return 1;
    }
    if (argc > 2 || argument.starts_with('-')) {
        std::cerr << "velmora-replay: "
                  << (argc > 2 ? "more than one argument" : "unknown option " + velmora::replay::Quoted(argument))
                  << "; see velmora-replay --help\n";
        return 2;
    }
    std::ifstream script(argv[1], std::ios::binary);
    if (!script) {
        std::cerr << "velmora-replay: cannot open " << velmora::replay::Quoted(argument) << ": " << std::strerror(errno) << '\n';
        return 1;
    }
    return velmora::replay::RunScript(script, std::cout, std::cerr);
} catch (const std::bad_alloc&) {
    std::cerr << "velmora-replay: out of memory\n";
    return 1;
}
