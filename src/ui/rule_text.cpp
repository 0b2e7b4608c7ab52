#include "ui/rule_text.h"

#include <QCoreApplication>

#include "session/broken_lines.h"
#include "ui/chart_text.h"
#include "ui/table_draw_text.h"

namespace velmora::ui {

QString BrokenRuleText(const strategy::Chart& chart, const session::HoldAdvice& advice, int held) {
    if (!advice.IsMistake(held)) return QString();
    if (const auto broken = session::BrokenLine(chart, advice, held)) {
        QString line = LineText(broken->line);
        line[0] = line[0].toUpper();
        const QString kind = KindText(chart.lines[static_cast<std::size_t>(broken->line - 1)].kind);
        if (broken->heldLine == 0)
            return QCoreApplication::translate("Chart", "%1, %2, ranks above any hold off the chart.")
                .arg(line, kind);
        return QCoreApplication::translate("Chart", "%1, %2, ranks above %3, %4.")
            .arg(line, kind, LineText(broken->heldLine),
                 KindText(chart.lines[static_cast<std::size_t>(broken->heldLine - 1)].kind));
    }
    if (session::OnlyTheTableDrawCosts(advice, held))
        if (const auto note = session::NoteOnTableDraw(advice, 1)) return TableDrawText(advice, *note);
    return QCoreApplication::translate("Chart", "Your hold breaks no line of the basic chart: this deal is one of the "
                                                "exceptions that only the exact chart names.");
}

}  // namespace velmora::ui
