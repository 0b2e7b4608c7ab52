#pragma once

#include <QWidget>
#include <array>
#include <functional>
#include <optional>

#include "strategy/chart.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QToolButton;

namespace velmora::ui {

class ChartSource;
class StrategyTables;

// The hand analyzer: any five cards, chosen on a grid of the 52 cards by
// mouse or keyboard (arrow keys move, Space or Enter chooses) or taken from
// the table, under this table's pays, 9/6, 8/5 or the player's own; every
// hold ranked by its value from a shuffled deck, with its line of the basic
// chart for those pays, and the best hold marked.
class HandAnalyzer : public QWidget {
    Q_OBJECT
public:
    // The five cards face up on the table, if there are five.
    using TableCards = std::function<std::optional<strategy::Deal>()>;

    HandAnalyzer(QWidget* parent, StrategyTables& tables, ChartSource& charts, TableCards tableCards);

    // Brings the table button and the values up to date.
    void Refresh();
    // The cards chosen, in the order chosen.
    const std::vector<int>& Chosen() const { return chosen_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Toggle(int code, bool on);
    void TakeTableCards();
    void Clear();
    std::optional<strategy::Pays> ChosenPays();
    void ShowValues();
    void Fit(int height);

    StrategyTables& tables_;
    ChartSource& charts_;
    TableCards tableCards_;
    std::array<QToolButton*, 52> cards_{};
    std::vector<int> chosen_;
    QPushButton* take_;
    QComboBox* paysChoice_;
    QLineEdit* ownPays_;
    QLabel* message_;
    QTableWidget* holds_;
};

}  // namespace velmora::ui
