#include "reports.h"

#include <cmath>
#include <cstdio>

#include "table/control_table.h"

namespace velmora::strategy_tool {

std::string Percent(double share, int decimals) {
    char text[64];
    std::snprintf(text, sizeof text, "%.*f%%", decimals, 100 * share);
    return text;
}

std::string HandOddsText(const strategy::PerfectPlayOdds& odds) {
    std::string text;
    char line[128];
    for (int i = 0; i <= int(kPayLines.size()); ++i) {
        // The pay table's lines from the top, then the hands that pay nothing.
        const bool paid = i < int(kPayLines.size());
        const std::string hand = paid ? std::string(kPayLines[i].hand) : "Nothing";
        const double p = odds.probability[paid ? strategy::kHandClassCount - 1 - i : 0];
        std::snprintf(line, sizeof line, "  %-16s %9s  1 in %.0f\n", hand.c_str(), Percent(p).c_str(),
                      p > 0 ? std::round(1 / p) : 0.0);
        text += line;
    }
    return text;
}

}  // namespace velmora::strategy_tool
