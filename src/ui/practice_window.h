#pragma once

#include <QWidget>
#include <array>
#include <memory>
#include <optional>

#include "session/practice_deals.h"

class QCheckBox;
class QLabel;
class QPushButton;

namespace velmora::ui {

class ChartSource;
class StrategyTables;

// Practice: five cards from a deck of its own, apart from the game and its
// credits. The player holds with clicks or the keys 1 to 5 and checks with
// Enter, and hears at once whether that was the best hold, what it gave up
// and which chart line applied; Enter again deals the next hand. The deals
// lean towards the lines the player missed and towards close decisions,
// unless the player turns that off.
class PracticeWindow : public QWidget {
    Q_OBJECT
public:
    // `random`: the practice deck's own source of chance.
    PracticeWindow(QWidget* parent, StrategyTables& tables, ChartSource& charts, RandomSource& random);

    const session::PracticeTally& Tally() const { return tally_; }
    // The hand on show, if one is dealt.
    const std::optional<session::PracticeDeal>& Hand() const { return hand_; }

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void Start();
    void Deal();
    void Check();
    void ToggleSlot(int slot);
    void ShowCards();
    void ShowLeaning();
    void Fit();
    int Held() const;

    StrategyTables& tables_;
    ChartSource& charts_;
    RandomSource& random_;
    std::unique_ptr<session::PracticeDealer> dealer_;
    std::optional<session::PracticeDeal> hand_;
    bool checked_ = false;
    session::PracticeTally tally_;
    std::array<QPushButton*, 5> cards_{};
    QPushButton* check_;
    QCheckBox* lean_;
    QLabel *verdict_, *details_, *leaning_, *tallyText_;
};

}  // namespace velmora::ui
