#include "ui/statistics_window.h"

#include <QCoreApplication>
#include <QGridLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>
#include <algorithm>
#include <string>

#include "strategy/measured_returns.h"
#include "strategy/perfect_play_odds.h"
#include "table/control_table.h"
#include "ui/accessibility.h"
#include "ui/credit_chart.h"
#include "ui/hold_text.h"
#include "ui/window_placement.h"

namespace velmora::ui {
namespace {

QString Percent(double fraction, int decimals) {
    return StatisticsWindow::tr("%1%").arg(QLocale().toString(100 * fraction, 'f', decimals));
}

QString Whole(long long value) { return QLocale().toString(value); }

QLabel* Unspoken(QLabel* label) {
    ui::Unspoken(label);
    return label;
}

QLabel* Heading(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

// A figure's text, and what a screen reader says of it: its title and value.
void SetFigure(QLabel* label, const QString& text) {
    label->setText(text);
    SetSpokenName(label, StatisticsWindow::tr("%1: %2").arg(label->property("title").toString(), text));
}

// The pay lines from the top of the table down, then the hands that pay nothing.
struct MadeRow {
    QString hand;
    strategy::HandClass handClass;
};
std::array<MadeRow, 10> MadeRows() {
    std::array<MadeRow, 10> rows;
    for (std::size_t i = 0; i < kPayLines.size(); ++i)
        rows[i] = {QCoreApplication::translate("Table", std::string(kPayLines[i].hand).c_str()),  // as the pay table says it
                   session::ClassOfLine(kPayLines[i])};
    rows[9] = {StatisticsWindow::tr("No win"), strategy::HandClass::Nothing};
    return rows;
}

}  // namespace

StatisticsWindow::StatisticsWindow(QWidget* parent) : QWidget(parent, Qt::Window) {
    setObjectName(QStringLiteral("Statistics"));
    setWindowTitle(tr("Velmora: session statistics"));
    InstallAccessibleRoles();
    if (parent) addActions(parent->actions());
    CloseOnEscape(*this);

    auto* figures = new QGridLayout;
    figures->addWidget(Heading(tr("This session"), this), 0, 0, 1, 2);
    hands_ = AddFigure(figures, tr("Hands played"));
    bet_ = AddFigure(figures, tr("Credits bet"));
    taken_ = AddFigure(figures, tr("Credits taken"));
    return_ = AddFigure(figures, tr("Return"));
    credits_ = AddFigure(figures, tr("Credits now"));
    figures->setRowMinimumHeight(figures->rowCount(), 8);
    figures->addWidget(Heading(tr("Double-up"), this), figures->rowCount(), 0, 1, 2);
    rounds_ = AddFigure(figures, tr("Rounds"));
    right_ = AddFigure(figures, tr("Right guesses"));
    wrong_ = AddFigure(figures, tr("Wrong guesses"));
    risked_ = AddFigure(figures, tr("Points risked"));
    broughtHome_ = AddFigure(figures, tr("Points brought home"));
    figures->setRowMinimumHeight(figures->rowCount(), 8);
    figures->addWidget(Heading(tr("Your draws"), this), figures->rowCount(), 0, 1, 2);
    decisions_ = AddFigure(figures, tr("Draw decisions"));
    mistakes_ = AddFigure(figures, tr("Holds worth less than the best"));
    givenUp_ = AddFigure(figures, tr("Expected credits given up"));
    suggestions_ = AddFigure(figures, tr("The game's suggestions would have given up"));
    figures->setRowStretch(figures->rowCount(), 1);

    auto* madeGrid = new QGridLayout;
    madeGrid->addWidget(Heading(tr("Hands made"), this), 0, 0);
    // Each row is read as one sentence, by its Made figure.
    madeGrid->addWidget(Unspoken(Heading(tr("Made"), this)), 0, 1, Qt::AlignRight);
    madeGrid->addWidget(Unspoken(Heading(tr("Share"), this)), 0, 2, Qt::AlignRight);
    madeGrid->addWidget(Unspoken(Heading(tr("Perfect play"), this)), 0, 3, Qt::AlignRight);
    const auto rows = MadeRows();
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int row = static_cast<int>(i) + 1;
        madeGrid->addWidget(Unspoken(new QLabel(rows[i].hand, this)), row, 0);
        made_[i] = new QLabel(this);
        share_[i] = Unspoken(new QLabel(this));
        auto* perfect = Unspoken(new QLabel(
            Percent(strategy::kGamePerfectPlayOdds.probability[strategy::Index(rows[i].handClass)], 4), this));
        madeGrid->addWidget(made_[i], row, 1, Qt::AlignRight);
        madeGrid->addWidget(share_[i], row, 2, Qt::AlignRight);
        madeGrid->addWidget(perfect, row, 3, Qt::AlignRight);
    }
    const strategy::MeasuredReturn& atTable = strategy::kTableBestHoldReturn;
    auto* note = new QLabel(tr("Perfect play keeps the best hold every time. At this table, whose draw keeps some "
                               "cards of the last hand out, it brings back %1 (± %2) of the credits bet, measured "
                               "over %3 hands; from a shuffled deck, exactly %4.")
                                .arg(Percent(atTable.value, 2), Percent(atTable.margin, 2), Whole(atTable.hands),
                                     Percent(strategy::kGamePerfectPlayOdds.expectedReturn, 2)),
                            this);
    note->setWordWrap(true);
    madeGrid->addWidget(note, static_cast<int>(rows.size()) + 1, 0, 1, 4);
    madeGrid->setRowStretch(madeGrid->rowCount(), 1);

    auto* columns = new QHBoxLayout;
    columns->addLayout(figures, 1);
    columns->addSpacing(24);
    columns->addLayout(madeGrid, 1);

    auto* chartHeading = Heading(tr("Credits after each hand"), this);  // read before the chart
    chart_ = new CreditChart(this);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(columns);
    layout->addSpacing(8);
    layout->addWidget(chartHeading);
    layout->addWidget(chart_, 1);
}

QLabel* StatisticsWindow::AddFigure(QGridLayout* grid, const QString& title) {
    const int row = grid->rowCount();
    grid->addWidget(Unspoken(new QLabel(title, this)), row, 0);  // read with the figure
    auto* value = new QLabel(this);
    value->setProperty("title", title);
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(value, row, 1);
    return value;
}

void StatisticsWindow::Show(const session::SessionTracker& tracker, bool assessing) {
    const session::SessionStats& stats = tracker.Stats();
    SetFigure(hands_, Whole(stats.hands));
    SetFigure(bet_, Whole(stats.bet));
    SetFigure(taken_, Whole(stats.taken));
    SetFigure(return_, stats.bet > 0 ? Percent(double(stats.taken) / double(stats.bet), 2) : tr("none yet"));
    SetFigure(credits_, QLocale().toString(tracker.Credits(), 'f', 0));

    const auto rows = MadeRows();
    int finished = 0;  // hands that reached their result
    for (const int made : stats.made) finished += made;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const int made = stats.made[strategy::Index(rows[i].handClass)];
        made_[i]->setText(Whole(made));
        share_[i]->setText(Percent(double(made) / std::max(1, finished), 2));
        SetSpokenName(
            made_[i], tr("%1: made %2 times, %3 of the hands drawn; perfect play makes it %4 of the hands.")
                .arg(rows[i].hand, Whole(made), share_[i]->text(),
                     Percent(strategy::kGamePerfectPlayOdds.probability[strategy::Index(rows[i].handClass)], 4)));
    }

    const session::DoubleUpRecord& doubleUp = stats.doubleUp;
    SetFigure(rounds_, Whole(doubleUp.rounds));
    SetFigure(right_, Whole(doubleUp.rightGuesses));
    SetFigure(wrong_, Whole(doubleUp.wrongGuesses));
    SetFigure(risked_, Whole(doubleUp.risked));
    SetFigure(broughtHome_, Whole(doubleUp.broughtHome));

    const session::AdvisorRecord advice = tracker.Advice();
    SetFigure(decisions_, Whole(advice.decisions));
    if (assessing) {
        for (QLabel* figure : {mistakes_, givenUp_, suggestions_}) SetFigure(figure, tr("working out\u2026"));
    } else {
        SetFigure(mistakes_, Whole(advice.mistakes));
        SetFigure(givenUp_, CreditsText(advice.givenUp));
        SetFigure(suggestions_, CreditsText(advice.suggestionsGiveUp));
    }
    chart_->SetCredits(stats.credits);
}

void StatisticsWindow::keyPressEvent(QKeyEvent* event) {
    if (parentWidget()) QCoreApplication::sendEvent(parentWidget(), event);
    else QWidget::keyPressEvent(event);
}

}  // namespace velmora::ui
