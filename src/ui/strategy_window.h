#pragma once

#include <QWidget>

#include "session/broken_lines.h"
#include "strategy/chart.h"

class QButtonGroup;
class QLabel;
class QTreeWidget;

namespace velmora::ui {

// The strategy chart of this table's pays, in a window of its own: each
// line with its exceptions under it, how often perfect play holds its kind
// and what that hold is worth on average, the lines the player broke this
// session and how often, and what following the chart returns against
// perfect play. The basic chart first; the exact and beginner charts too.
class StrategyWindow : public QWidget {
    Q_OBJECT
public:
    // `parent`: the table, whose keys and key actions work from this window too.
    explicit StrategyWindow(QWidget* parent);

    // `charts`: null while they are being worked out.
    void Show(const strategy::Charts* charts, const session::BrokenLineCount& broken);
    strategy::ChartType Type() const { return type_; }

protected:
    // The table's keys work here as they do on the table.
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Fill();

    const strategy::Charts* charts_ = nullptr;
    const session::BrokenLineCount* broken_ = nullptr;
    strategy::ChartType type_ = strategy::ChartType::Basic;
    QButtonGroup* types_;
    QLabel* summary_;
    QTreeWidget* lines_;
};

}  // namespace velmora::ui
