#pragma once

#include <QWidget>
#include <array>

#include "session/session_tracker.h"

class QGridLayout;
class QLabel;

namespace velmora::ui {

class CreditChart;

// The session's statistics, in a window of their own: the hands, credits
// bet and taken and the return; how often each pay line was made against
// how often perfect play makes it; the double-up record; the advisor's
// record of the draws; and the credits over the hands.
class StatisticsWindow : public QWidget {
    Q_OBJECT
public:
    // `parent`: the table, whose keys and key actions work from this window too.
    explicit StatisticsWindow(QWidget* parent);

    // `assessing`: the draws are still being worked out.
    void Show(const session::SessionTracker& tracker, bool assessing);

protected:
    // The table's keys work here as they do on the table.
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* AddFigure(QGridLayout* grid, const QString& title);

    QLabel *hands_, *bet_, *taken_, *return_, *credits_;
    std::array<QLabel*, 10> made_{}, share_{};
    QLabel *rounds_, *right_, *wrong_, *risked_, *broughtHome_;
    QLabel *decisions_, *mistakes_, *givenUp_, *suggestions_;
    CreditChart* chart_;
};

}  // namespace velmora::ui
