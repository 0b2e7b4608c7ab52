#include "reports.h"

#include <cmath>
#include <cstdio>

#include "hold_lines.h"
#include "pays_notation.h"
#include "table/control_table.h"

namespace velmora::strategy_tool {
namespace {

using strategy::Chart;
using strategy::ChartType;

std::string Format(const char* format, auto... values) {
    char text[256];
    std::snprintf(text, sizeof text, format, values...);
    return text;
}

// "31 lines, 1 exception"
std::string Size(const Chart& chart) {
    std::size_t exceptions = 0;
    for (const auto& line : chart.lines) exceptions += line.exceptions.size();
    return Format("%zu line%s, %zu exception%s", chart.lines.size(), chart.lines.size() == 1 ? "" : "s", exceptions,
                  exceptions == 1 ? "" : "s");
}

}  // namespace

std::string Percent(double share, int decimals) { return Format("%.*f%%", decimals, 100 * share); }

std::string ReturnText(const strategy::Pays& pays, const strategy::PerfectPlayOdds& odds,
                       const strategy::Charts& charts) {
    std::string text = "Pays " + PaysText(pays) + ", from a shuffled deck:\n";
    text += Format("  %-16s %9s\n", "perfect play", Percent(odds.expectedReturn).c_str());
    for (const ChartType type : {ChartType::Basic, ChartType::Exact, ChartType::Beginner}) {
        const Chart& chart = charts.Of(type);
        text += Format("  %-16s %9s  %s\n", (std::string(strategy::ChartTypeName(type)) + " chart").c_str(),
                       Percent(chart.expectedReturn).c_str(), Size(chart).c_str());
    }
    text += "\nHow often perfect play makes each hand:\n";
    for (std::size_t i = 0; i <= kPayLines.size(); ++i) {
        // The pay table's lines from the top, then the hands that pay nothing.
        const bool paid = i < kPayLines.size();
        const double p = odds.probability[paid ? strategy::kHandClassCount - 1 - i : 0];
        text += Format("  %-16s %9s  1 in %.0f\n", paid ? std::string(kPayLines[i].hand).c_str() : "Nothing",
                       Percent(p).c_str(), p > 0 ? std::round(1 / p) : 0.0);
    }
    return text;
}

std::string ChartText(const strategy::Pays& pays, const Chart& chart) {
    std::string text = Format("The %s chart for pays %s: %s back (perfect play %s), %s\n",
                              strategy::ChartTypeName(chart.type), PaysText(pays).c_str(),
                              Percent(chart.expectedReturn).c_str(), Percent(chart.perfectReturn).c_str(),
                              Size(chart).c_str());
    text += Format("%4s  %-56s %9s %9s\n", "", "Hold the first kind the deal has", "Used", "Value");
    for (std::size_t i = 0; i < chart.lines.size(); ++i) {
        const auto& line = chart.lines[i];
        text += Format("%3zu.  %-56s %9s %9.4f\n", i + 1, strategy::KindName(line.kind).c_str(),
                       Percent(line.frequency).c_str(), line.value);
        for (const auto& exception : line.exceptions) text += "        " + strategy::ExceptionText(exception) + "\n";
    }
    return text + "Used: of all deals, how often perfect play holds the kind. Value: the average\n"
                  "value of those holds, in credits back per credit bet.\n";
}

std::string ChartJson(const strategy::Pays& pays, const Chart& chart) {
    std::string json = "{\"chart\":";
    AppendJsonString(json, strategy::ChartTypeName(chart.type));
    json += ",\"pays\":[" + PaysText(pays) + "]";
    json += Format(",\"return\":%.10f,\"perfectReturn\":%.10f,\"lines\":[", chart.expectedReturn, chart.perfectReturn);
    for (std::size_t i = 0; i < chart.lines.size(); ++i) {
        const auto& line = chart.lines[i];
        json += Format("%s{\"line\":%zu,\"hold\":", i ? "," : "", i + 1);
        AppendJsonString(json, strategy::KindName(line.kind));
        json += Format(",\"frequency\":%.10g,\"value\":%.10f,\"exceptions\":[", line.frequency, line.value);
        for (std::size_t e = 0; e < line.exceptions.size(); ++e) {
            json += e ? ",{\"hold\":" : "{\"hold\":";
            AppendJsonString(json, strategy::KindName(line.exceptions[e].hold));
            json += ",\"rule\":";
            AppendJsonString(json, strategy::ExceptionText(line.exceptions[e]));
            json += '}';
        }
        json += "]}";
    }
    return json + "]}\n";
}

}  // namespace velmora::strategy_tool
