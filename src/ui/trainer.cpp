#include "ui/trainer.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QGridLayout>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QShortcut>

#include "session/costly_draw.h"
#include "session/table_reading.h"
#include "table/card_code.h"
#include "table/control_table.h"
#include "table/random_source.h"
#include "ui/accessibility.h"
#include "ui/advisor_panel.h"
#include "ui/chart_source.h"
#include "ui/geometry.h"
#include "ui/hand_analyzer.h"
#include "ui/hold_text.h"
#include "ui/rule_text.h"
#include "ui/practice_window.h"
#include "ui/statistics_window.h"
#include "ui/strategy_tables.h"
#include "ui/strategy_window.h"
#include "ui/table_window.h"
#include "ui/window_placement.h"

// Threads: the strategy tables are built on a worker thread (StrategyTables)
// the first time an extra is turned on, never at start-up. Everything else
// runs on the GUI thread: once the tables are built, the values of all 32
// holds of a deal take about 2 microseconds in an optimised build, so the
// panel follows each HOLD marker at once and no click waits for them. Only a
// draw pressed in the fraction of a second right after the warning is turned
// on, while the tables are still being built, waits for them. The strategy
// charts are worked out on a worker thread too (ChartSource), the first time
// a window, the panel or the warning needs them.

namespace velmora::ui {

Trainer::Trainer(TableWindow& window)
    : QObject(&window), window_(window), tables_(new StrategyTables(this)), charts_(new ChartSource(this)), menu_(new QMenu(&window)) {
    menu_->setObjectName(QStringLiteral("TrainerMenu"));
    panelAction_ = AddAction(tr("Best-hold advisor"), Qt::Key_F2, "AdvisorAction");
    warningAction_ = AddAction(tr("Warn before a costly draw"), Qt::Key_F3, "WarningAction");
    QAction* statistics = AddAction(tr("Session statistics\u2026"), Qt::Key_F4, "StatisticsAction");
    QAction* strategy = AddAction(tr("Strategy chart\u2026"), Qt::Key_F5, "StrategyAction");
    QAction* analyzer = AddAction(tr("Hand analyzer\u2026"), Qt::Key_F6, "AnalyzerAction");
    QAction* practice = AddAction(tr("Practice\u2026"), Qt::Key_F7, "PracticeAction");
    panelAction_->setCheckable(true);
    warningAction_->setCheckable(true);
    connect(panelAction_, &QAction::toggled, this, &Trainer::SetPanelShown);
    connect(warningAction_, &QAction::toggled, this, [this](bool on) {
        if (!on) return;
        tables_->Build();
        charts_->Find(strategy::GamePays());
    });
    connect(statistics, &QAction::triggered, this, &Trainer::ShowStatistics);
    connect(strategy, &QAction::triggered, this, &Trainer::ShowStrategy);
    connect(analyzer, &QAction::triggered, this, &Trainer::ShowAnalyzer);
    connect(practice, &QAction::triggered, this, &Trainer::ShowPractice);
    // The keyboard opens the menu as desktops do: the menu key, or Shift+F10.
    for (const QKeySequence& keys : {QKeySequence(Qt::Key_Menu), QKeySequence(Qt::SHIFT | Qt::Key_F10)})
        connect(new QShortcut(keys, &window_), &QShortcut::activated, this, &Trainer::ShowMenuFromKeyboard);
    window_.installEventFilter(this);

    connect(&window_, &TableWindow::synced, this, &Trainer::Observe);
    connect(tables_, &StrategyTables::ready, this, &Trainer::Refresh);
    connect(charts_, &ChartSource::ready, this, &Trainer::Refresh);
    tracker_.Observe(window_.Model());
}

std::function<bool(const ButtonEntry&)> Trainer::PressFilter() {
    return [this](const ButtonEntry& entry) { return AllowPress(entry); };
}

QAction* Trainer::AddAction(const QString& text, int key, const char* name) {
    auto* action = new QAction(text, &window_);
    action->setObjectName(QLatin1String(name));
    action->setShortcut(QKeySequence(key));
    action->setShortcutContext(Qt::WindowShortcut);
    window_.addAction(action);
    menu_->addAction(action);
    return action;
}

// A right-click anywhere on the table, or the menu key where the window
// system turns it into a context-menu event of its own.
bool Trainer::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &window_ || event->type() != QEvent::ContextMenu) return false;
    const auto* menuEvent = static_cast<QContextMenuEvent*>(event);
    if (menuEvent->reason() == QContextMenuEvent::Keyboard) ShowMenuFromKeyboard();
    else ShowMenu(menuEvent->globalPos());
    return true;
}

void Trainer::ShowMenu(const QPoint& at) {
    if (!menu_->isVisible()) menu_->popup(at);
}

void Trainer::ShowMenuFromKeyboard() {
    QWidget* focus = window_.focusWidget();
    const QWidget* anchor = focus && focus->isVisible() ? focus : &window_;
    ShowMenu(anchor->mapToGlobal(anchor->rect().center()));
}

void Trainer::Observe() {
    tracker_.Observe(window_.Model());
    Refresh();
}

void Trainer::Refresh() {
    if (tables_->Ready()) tracker_.Assess();
    if (tables_->Ready() && charts_->Known(strategy::GamePays())) broken_.Count(charts_->Known(strategy::GamePays())->basic, tracker_.Decisions());
    if (panel_ && panel_->isVisible()) UpdatePanel();
    if (statistics_ && statistics_->isVisible()) statistics_->Show(tracker_, !tracker_.AllAssessed());
    if (strategy_ && strategy_->isVisible()) strategy_->Show(tables_->Ready() ? charts_->Known(strategy::GamePays()) : nullptr, broken_);
    if (analyzer_ && analyzer_->isVisible()) analyzer_->Refresh();
}

// The panel lies right of the table, whose own area stays as it is.
void Trainer::SetPanelShown(bool shown) {
    if (shown) {
        tables_->Build();
        charts_->Find(strategy::GamePays());
        if (!panel_) {
            panel_ = new AdvisorPanel(&window_);
            panel_->setGeometry(kTableClientSize.width(), 0, AdvisorPanel::kWidth, kTableClientSize.height());
        }
        window_.setFixedSize(kTableClientSize.width() + AdvisorPanel::kWidth, kTableClientSize.height());
        KeepRightEdgeOnScreen(window_);
        UpdatePanel();
        panel_->show();
    } else if (panel_) {
        panel_->hide();
        window_.setFixedSize(kTableClientSize);
    }
}

void Trainer::UpdatePanel() {
    const Poker& game = window_.Model();
    const auto& hand = tracker_.CurrentHand();
    if (!hand) {
        panel_->ShowMessage(session::PhaseOf(game) == HandPhase::Dealing
                                ? tr("The cards are being dealt.")
                                : tr("Deal a hand: the best holds show here as soon as its five cards are up."));
    } else if (!tables_->Ready()) {
        panel_->ShowMessage(tr("Working out the value of every hold\u2026"));
    } else if (hand->held) {
        panel_->ShowDrawn(AdviceFor(*hand), hand->suggested, *hand->held, BasicChart());
    } else {
        panel_->ShowHolding(AdviceFor(*hand), hand->suggested, session::HoldOf(game), BasicChart());
    }
}

const strategy::Chart* Trainer::BasicChart() const { return charts_->Known(strategy::GamePays()) ? &charts_->Known(strategy::GamePays())->basic : nullptr; }

const session::HoldAdvice& Trainer::AdviceFor(const session::SessionTracker::Hand& hand) {
    if (!advice_ || advice_->deal != hand.deal || advice_->previous != hand.previous)
        advice_ = session::Advise(hand.deal, hand.previous);
    return *advice_;
}

void Trainer::ShowStatistics() {
    tables_->Build();
    const bool first = !statistics_;
    if (first) statistics_ = new StatisticsWindow(&window_);
    statistics_->Show(tracker_, !tracker_.AllAssessed());
    if (first) statistics_->adjustSize();
    ShowBeside(*statistics_);
}

void Trainer::ShowAnalyzer() {
    if (!analyzer_) {
        analyzer_ = new HandAnalyzer(&window_, *tables_, *charts_, [this]() -> std::optional<strategy::Deal> {
            for (int slot = 1; slot <= kSlotCount; ++slot)
                if (!IsCardCode(window_.Model().State().Picture[slot].Frame)) return std::nullopt;
            return session::DealOf(window_.Model());
        });
        ShowBeside(*analyzer_);
    }
    analyzer_->Refresh();
    analyzer_->show();
    analyzer_->raise();
    analyzer_->activateWindow();
}

void Trainer::ShowPractice() {
    if (!practice_) {
        if (!practiceRandom_)
            practiceRandom_ = std::make_unique<ClockSeededGenerator>(TimeOfDayReading(), TimeOfDayReading);
        practice_ = new PracticeWindow(&window_, *tables_, *charts_, *practiceRandom_);
        ShowBeside(*practice_);
    }
    practice_->show();
    practice_->raise();
    practice_->activateWindow();
}

// A window opened for the first time lies beside the table.
void Trainer::ShowBeside(QWidget& extra) {
    if (!extra.isVisible() && !extra.property("placed").toBool()) {
        PlaceBeside(extra, window_);
        extra.setProperty("placed", true);
        if (&extra != statistics_) extra.addActions(menu_->actions());  // the trainer's keys work there too
    }
    extra.show();
    extra.raise();
    extra.activateWindow();
}

void Trainer::ShowStrategy() {
    tables_->Build();  // to count the lines broken
    charts_->Find(strategy::GamePays());
    const bool first = !strategy_;
    if (first) strategy_ = new StrategyWindow(&window_);
    strategy_->Show(tables_->Ready() ? charts_->Known(strategy::GamePays()) : nullptr, broken_);
    if (first) PlaceBeside(*strategy_, window_);
    strategy_->show();
    strategy_->raise();
    strategy_->activateWindow();
}

bool Trainer::AllowPress(const ButtonEntry& entry) {
    const session::HoldAdvice* advice = nullptr;
    const bool ask = session::AsksBeforeDraw(window_.Model(), entry, warningAction_->isChecked(),
                                             [&]() -> const session::HoldAdvice* {
        const auto& hand = tracker_.CurrentHand();
        if (!hand) return nullptr;
        tables_->Wait();  // at once, unless the warning was turned on a moment ago
        return advice = &AdviceFor(*hand);
    });
    if (ask) AskBeforeDraw(*advice, session::HoldOf(window_.Model()));
    return !ask;
}

// Asks once: "Change my hold" is the default and the answer to Escape, so
// that neither Enter nor a second press of a key draws by accident; only
// "Draw anyway" draws.
void Trainer::AskBeforeDraw(const session::HoldAdvice& advice, int hold) {
    if (warning_) return;
    auto* box = new QMessageBox(QMessageBox::Warning, tr("Draw with this hold?"),
                                tr("Your hold gives up %1 credits against the best one.").arg(CreditsText(advice.Cost(hold))),
                                QMessageBox::NoButton, &window_);
    box->setObjectName(QStringLiteral("MistakeWarning"));
    box->setInformativeText(tr("Your hold: %1, worth %2 credits.\nThe best hold: %3, worth %4 credits.")
                                .arg(KeptCards(advice.deal, hold), CreditsText(advice.Value(hold)),
                                     KeptCards(advice.deal, advice.Best()), CreditsText(advice.Value(advice.Best())))
                            + (BasicChart() ? QStringLiteral("\n") + BrokenRuleText(*BasicChart(), advice, hold) : QString()));
    SpeakCardsInWords(box);
    // Room for each line whole.
    if (auto* grid = qobject_cast<QGridLayout*>(box->layout()))
        grid->addItem(new QSpacerItem(400, 0, QSizePolicy::Minimum, QSizePolicy::Minimum), grid->rowCount(), 0, 1,
                      grid->columnCount());
    QPushButton* draw = box->addButton(tr("Draw anyway"), QMessageBox::AcceptRole);
    QPushButton* change = box->addButton(tr("&Change my hold"), QMessageBox::RejectRole);
    draw->setObjectName(QStringLiteral("DrawAnyway"));
    change->setObjectName(QStringLiteral("ChangeMyHold"));
    box->setDefaultButton(change);
    box->setEscapeButton(change);
    box->setAttribute(Qt::WA_DeleteOnClose);
    connect(box, &QMessageBox::buttonClicked, this, [this, draw](QAbstractButton* button) {
        if (button == draw) window_.DeliverClick(EntryOf(&PokerState::Deal2));
    });
    warning_ = box;
    box->open();
}

}  // namespace velmora::ui
