#pragma once

#include <QWidget>
#include <array>

#include "session/hold_advice.h"

class QLabel;

namespace velmora::ui {

class HoldLine;

// The best-hold advisor: a panel beside the table. While the player holds,
// it ranks the best holds of the deal and shows the player's current hold
// and the game's suggestion, each with its expected value in credits and
// what it gives up against the best; after the draw, whether the hold drawn
// with was the best. It only shows what it is given.
class AdvisorPanel : public QWidget {
    Q_OBJECT
public:
    static constexpr int kWidth = 320;
    static constexpr int kRankedLines = 8;

    explicit AdvisorPanel(QWidget* parent);

    // No hand to advise on: a message instead.
    void ShowMessage(const QString& message);
    void ShowHolding(const session::HoldAdvice& advice, int suggested, int current);
    void ShowDrawn(const session::HoldAdvice& advice, int suggested, int held);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void ShowHolds(const session::HoldAdvice& advice, int suggested, int yours, bool drawn);
    void SetMessage(const QString& message);

    std::array<HoldLine*, kRankedLines> ranked_{};
    HoldLine* yours_;
    HoldLine* suggestion_;
    QLabel* message_;
    bool holds_ = false;  // holds on show, not a message alone
    bool drawn_ = false;
};

}  // namespace velmora::ui
