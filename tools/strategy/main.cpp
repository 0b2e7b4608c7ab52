// velmora-strategy: perfect play and the strategy charts of Jacks or Better
// for any pay table, and the hold a chart gives for each deal on standard
// input. See the manual page velmora-strategy(6).
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>
#include <string>

#include "arguments.h"
#include "chart_holds.h"
#include "hold_lines.h"
#include "pays_notation.h"
#include "reports.h"

namespace {

using namespace velmora::strategy_tool;
namespace strategy = velmora::strategy;

constexpr const char* kUsage =
    "Usage: velmora-strategy [options] command\n"
    "Velmora: the best play of Jacks or Better for any pay table, and the strategy\n"
    "charts that come closest to it.\n"
    "\n"
    "Commands:\n"
    "  return              Print the return of perfect play and of each chart.\n"
    "  chart               Print a chart, one numbered line per kind of hold.\n"
    "  hold                Read deals from standard input, one a line (As Kd 7c 7h\n"
    "                      2s), and print the hold of each as a line of JSON.\n"
    "\n"
    "Options:\n"
    "  -h, --help          Show this help and exit.\n"
    "  --version           Show the version and exit.\n"
    "  --pays <pays>       The pay table: nine pays for one credit, Royal Flush\n"
    "                      first (800,50,25,9,6,4,3,2,1), or 9/6 or 8/5; the\n"
    "                      game's own table without it.\n"
    "  --chart <chart>     basic (without it), exact or beginner; for hold also\n"
    "                      perfect, the best hold of each deal.\n"
    "  --json              chart: print the chart as JSON.\n"
    "\n"
    "Exit status: 0 done, 1 when the input cannot be read or the output written,\n"
    "2 for bad input or bad usage. The manual page velmora-strategy(6) explains\n"
    "the charts and the output.\n";

// Writes the whole text and flushes it: status 0, or 1 with the reason on
// standard error when the output would not take it.
int Answer(const std::string& text) {
    errno = 0;
    const bool written = std::fwrite(text.data(), 1, text.size(), stdout) == text.size();
    if (std::fflush(stdout) == 0 && written) return 0;
    std::fprintf(stderr, "velmora-strategy: cannot write the output: %s\n", std::strerror(errno));
    return 1;
}

strategy::ChartType TypeOf(ChartChoice choice) {
    return choice == ChartChoice::Exact      ? strategy::ChartType::Exact
           : choice == ChartChoice::Beginner ? strategy::ChartType::Beginner
                                             : strategy::ChartType::Basic;
}

int Run(const Arguments& arguments) {
    switch (arguments.command) {
        case Command::Help: return Answer(kUsage);
        case Command::Version: return Answer("velmora-strategy " VELMORA_VERSION "\n");
        case Command::Return: {
            const strategy::PerfectPlayOdds odds = strategy::SweepPerfectPlay(arguments.pays);
            return Answer(ReturnText(arguments.pays, odds, strategy::DeriveCharts(arguments.pays)));
        }
        case Command::Chart: {
            const strategy::Charts charts = strategy::DeriveCharts(arguments.pays);
            const strategy::Chart& chart = charts.Of(TypeOf(arguments.chart));
            return Answer(arguments.json ? ChartJson(arguments.pays, chart) : ChartText(arguments.pays, chart));
        }
        case Command::Hold: break;
    }
    // The charts are worked out at the first deal, so that bad input on the
    // first line is answered at once.
    std::optional<strategy::Charts> charts;
    std::optional<ChartHolds> chart;
    std::optional<PerfectChoices> perfect;
    return AnswerDeals(stdin, stdout, stderr, [&](const strategy::Deal& deal) {
        if (!charts) {
            charts = strategy::DeriveCharts(arguments.pays);
            if (arguments.chart == ChartChoice::Perfect) perfect.emplace(arguments.pays, charts->basic);
            else chart.emplace(charts->Of(TypeOf(arguments.chart)));
        }
        return perfect ? perfect->Choose(deal) : chart->Choose(deal);
    });
}

}  // namespace

int main(int argc, char* argv[]) try {
    const auto parsed = ParseArguments(argc, argv);
    if (const auto* bad = std::get_if<std::string>(&parsed)) {
        std::fprintf(stderr, "velmora-strategy: %s. See velmora-strategy --help.\n", bad->c_str());
        return 2;
    }
    return Run(std::get<Arguments>(parsed));
} catch (const std::bad_alloc&) {
    std::fprintf(stderr, "velmora-strategy: out of memory\n");
    return 1;
}
