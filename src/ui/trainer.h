#pragma once

#include <QObject>
#include <QPointer>
#include <functional>
#include <memory>
#include <optional>

#include "session/broken_lines.h"
#include "session/hold_advice.h"
#include "session/session_tracker.h"

class QAction;
class QMenu;
class QMessageBox;

namespace velmora {
struct ButtonEntry;
class RandomSource;
}

namespace velmora::ui {

class AdvisorPanel;
class ChartSource;
class HandAnalyzer;
class PracticeWindow;
class StatisticsWindow;
class StrategyTables;
class StrategyWindow;
class TableWindow;

// The trainer's extras on the table window, each off until the player turns
// it on from the table's menu (right-click, the menu key or Shift+F10) or
// its key: the best-hold advisor
// panel (F2), the warning before a costly draw (F3), the session
// statistics (F4), the strategy chart (F5), the hand analyzer (F6) and
// practice (F7). It watches the game after every event and keeps the
// session's statistics whether or not anything is on show; it never changes
// a rule, a timer or a caption of the table. It offers the window a
// press filter (the program wires it), and lives as long as the window.
class Trainer : public QObject {
    Q_OBJECT
public:
    explicit Trainer(TableWindow& window);

    const session::SessionTracker& Tracker() const { return tracker_; }
    // For the window's press filter: false holds a costly draw back while
    // the warning asks the player.
    std::function<bool(const ButtonEntry&)> PressFilter();

protected:
    // The table's context menu, from the mouse or the keyboard.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool AllowPress(const ButtonEntry& entry);
    QAction* AddAction(const QString& text, int key, const char* name);
    // The menu at a point of the screen, or from the keyboard at the button
    // that has the focus.
    void ShowMenu(const QPoint& at);
    void ShowMenuFromKeyboard();
    void Observe();
    void Refresh();
    void SetPanelShown(bool shown);
    void UpdatePanel();
    void ShowStatistics();
    void ShowStrategy();
    void ShowAnalyzer();
    void ShowPractice();
    void ShowBeside(QWidget& extra);
    void AskBeforeDraw(const session::HoldAdvice& advice, int hold);
    // The basic chart of this table's pays, or null until it is worked out.
    const strategy::Chart* BasicChart() const;
    const session::HoldAdvice& AdviceFor(const session::SessionTracker::Hand& hand);

    TableWindow& window_;
    session::SessionTracker tracker_;
    StrategyTables* tables_;
    ChartSource* charts_;  // of this table's pays and any the analyzer asks about
    session::BrokenLineCount broken_;
    QMenu* menu_;
    QAction* panelAction_;
    QAction* warningAction_;
    AdvisorPanel* panel_ = nullptr;
    QPointer<StatisticsWindow> statistics_;
    QPointer<StrategyWindow> strategy_;
    QPointer<HandAnalyzer> analyzer_;
    QPointer<PracticeWindow> practice_;
    std::unique_ptr<RandomSource> practiceRandom_;  // practice's own deck
    QPointer<QMessageBox> warning_;
    std::optional<session::HoldAdvice> advice_;  // of the last deal asked about
};

}  // namespace velmora::ui
