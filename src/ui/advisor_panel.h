#pragma once

#include <QWidget>
#include <array>

#include "session/hold_advice.h"
#include "strategy/chart.h"

class QLabel;

namespace velmora::ui {

class HoldLine;

// The best-hold advisor: a panel beside the table. While the player holds,
// it ranks the best holds of the deal and shows the player's current hold
// and the game's suggestion, each with its expected value in credits and
// what it gives up against the best; after the draw, whether the hold drawn
// with was the best, and where it was not, the chart line it broke. Given
// the basic chart of this table's pays, each hold names its chart line. It
// only shows what it is given.
class AdvisorPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 320;
    static constexpr int kRankedLines = 5;

    explicit AdvisorPanel(QWidget* parent);

    // No hand to advise on: a message instead.
    void ShowMessage(const QString& message);
    // `chart`: the basic chart, or null while it is being worked out.
    void ShowHolding(const session::HoldAdvice& advice, int suggested, int current,
                     const strategy::Chart* chart = nullptr);
    void ShowDrawn(const session::HoldAdvice& advice, int suggested, int held, const strategy::Chart* chart = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowHolds(const session::HoldAdvice& advice, int suggested, int yours, bool drawn, const strategy::Chart* chart);
    void SetMessage(const QString& message);

    std::array<HoldLine*, kRankedLines> ranked_{};
    HoldLine* yours_;
    HoldLine* suggestion_;
    QLabel* message_;
    bool holds_ = false;  // holds on show, not a message alone
    bool drawn_ = false;
    QString yoursRule_, suggestionRule_;  // the chart lines of the two, beside their headings
};

}  // namespace velmora::ui
