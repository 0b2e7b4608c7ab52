#include "ui/practice_window.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "session/hold_advice.h"
#include "strategy/pays.h"
#include "ui/accessibility.h"
#include "ui/card_names.h"
#include "ui/chart_source.h"
#include "ui/chart_text.h"
#include "ui/hand_analyzer.h"
#include "ui/hold_text.h"
#include "ui/strategy_tables.h"
#include "ui/window_placement.h"

namespace velmora::ui {
namespace {

void Say(QLabel* label, const QString& text) {
    label->setText(text);
    SetSpokenName(label, CardsInWords(text));
}

QLabel* WrappedLabel(const char* name, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(QLatin1String(name));
    label->setWordWrap(true);
    label->setTextFormat(Qt::PlainText);
    return label;
}

}  // namespace

PracticeWindow::PracticeWindow(QWidget* parent, StrategyTables& tables, ChartSource& charts, RandomSource& random)
    : QWidget(parent, Qt::Window), tables_(tables), charts_(charts), random_(random) {
    setObjectName(QStringLiteral("Practice"));
    setWindowTitle(tr("Velmora: practice"));
    CloseOnEscape(*this);

    auto* row = new QHBoxLayout;
    for (int slot = 1; slot <= 5; ++slot) {
        auto* card = new QPushButton(this);
        card->setObjectName(QStringLiteral("PracticeCard%1").arg(slot));
        card->setCheckable(true);
        QFont big = card->font();
        big.setPointSize(16);
        card->setFont(big);
        big.setBold(true);  // as a held card shows it
        const QFontMetrics metrics(big);
        card->setMinimumWidth(std::max(metrics.horizontalAdvance(QStringLiteral("10\u2660")),
                                       metrics.horizontalAdvance(tr("HELD"))) + 24);
        card->setFixedHeight(2 * metrics.lineSpacing() + 24);
        card->setEnabled(false);
        connect(card, &QPushButton::toggled, this, &PracticeWindow::ShowCards);
        row->addWidget(card);
        cards_[static_cast<std::size_t>(slot - 1)] = card;
    }
    check_ = new QPushButton(this);
    check_->setObjectName(QStringLiteral("PracticeCheck"));
    check_->setEnabled(false);
    connect(check_, &QPushButton::clicked, this, &PracticeWindow::Check);

    verdict_ = WrappedLabel("PracticeVerdict", this);
    QFont bold = verdict_->font();
    bold.setBold(true);
    verdict_->setFont(bold);
    details_ = WrappedLabel("PracticeDetails", this);
    lean_ = new QCheckBox(tr("&Lean the deals towards what I get wrong"), this);
    lean_->setObjectName(QStringLiteral("PracticeLean"));
    lean_->setChecked(true);
    connect(lean_, &QCheckBox::toggled, this, [this](bool on) {
        if (dealer_) dealer_->SetLeaning(on);
        ShowLeaning();
    });
    leaning_ = WrappedLabel("PracticeLeaning", this);
    tallyText_ = WrappedLabel("PracticeTally", this);

    auto* layout = new QVBoxLayout(this);
    auto* help = WrappedLabel("PracticeHelp", this);
    help->setText(tr("Hold the cards you would keep (click them or press 1 to 5), then press Enter to check. "
                     "Practice has its own deck and costs no credits."));
    layout->addWidget(help);
    layout->addLayout(row);
    layout->addWidget(check_);
    layout->addWidget(verdict_);
    layout->addWidget(details_);
    layout->addSpacing(8);
    layout->addWidget(lean_);
    layout->addWidget(leaning_);
    layout->addWidget(tallyText_);
    layout->addStretch(1);
    resize(std::max(560, layout->minimumSize().width()), 0);

    connect(&charts_, &ChartSource::ready, this, &PracticeWindow::Start);
    connect(&tables_, &StrategyTables::ready, this, &PracticeWindow::Start);
    tables_.Build();
    ShowLeaning();
    ShowCards();
    Start();
}

void PracticeWindow::Start() {
    if (dealer_) return;
    const strategy::Charts* charts = charts_.Find(strategy::GamePays());
    if (!charts || !tables_.Ready()) {
        Say(verdict_, tr("Working out the strategy chart for this table\u2026"));
        return;
    }
    dealer_ = std::make_unique<session::PracticeDealer>(charts->basic, strategy::GamePays(), random_);
    dealer_->SetLeaning(lean_->isChecked());
    Deal();
}

void PracticeWindow::Deal() {
    hand_ = dealer_->Next();
    checked_ = false;
    for (QPushButton* card : cards_) {
        QSignalBlocker quiet(card);
        card->setChecked(false);
        card->setEnabled(true);
    }
    Say(verdict_, tr("Which cards would you hold?"));
    Say(details_, QString());
    ShowCards();
}

int PracticeWindow::Held() const {
    int hold = 0;
    for (int slot = 1; slot <= 5; ++slot)
        if (cards_[static_cast<std::size_t>(slot - 1)]->isChecked()) hold |= 1 << (slot - 1);
    return hold;
}

void PracticeWindow::ToggleSlot(int slot) {
    QPushButton* card = cards_[static_cast<std::size_t>(slot - 1)];
    if (hand_ && !checked_) card->toggle();
}

void PracticeWindow::Check() {
    if (!hand_) return;
    if (checked_) {
        Deal();
        return;
    }
    checked_ = true;
    const int hold = Held();
    const double cost = tally_.Record(*hand_, hold);
    if (cost > session::kSameValue) dealer_->Missed(hand_->line);
    const strategy::Chart& chart = dealer_->Chart();
    const auto value = [this](int h) { return CreditsText(hand_->values[static_cast<std::size_t>(h)]); };
    Say(verdict_, cost > session::kSameValue
                      ? tr("Not the best hold: it gives up %1 credits per credit bet.").arg(CreditsText(cost))
                      : tr("The best hold."));
    QString details = tr("Your hold: %1, worth %2 (%3).")
                          .arg(KeptCards(hand_->deal, hold), value(hold),
                               HoldLineText(chart, hand_->deal, hold));
    if (cost > session::kSameValue)
        details += QLatin1Char('\n') + tr("The best hold: %1, worth %2.").arg(KeptCards(hand_->deal, hand_->best), value(hand_->best));
    if (hand_->line > 0)
        details += QLatin1Char('\n') + tr("The chart reads %1.")
                                          .arg(KindOnLineText(chart.lines[static_cast<std::size_t>(hand_->line - 1)].kind,
                                                              hand_->line));
    details += QLatin1Char('\n') + tr("Values are expected credits per credit bet, from a shuffled deck.");
    Say(details_, details);
    for (QPushButton* card : cards_) card->setEnabled(false);
    ShowCards();
    ShowLeaning();
}

void PracticeWindow::ShowCards() {
    for (int slot = 1; slot <= 5; ++slot) {
        QPushButton* card = cards_[static_cast<std::size_t>(slot - 1)];
        if (!hand_) {
            card->setText(QStringLiteral("?"));
            continue;
        }
        const int code = hand_->deal[static_cast<std::size_t>(slot - 1)];
        const bool held = card->isChecked();
        card->setText(ShortCardName(code) + (held ? QLatin1Char('\n') + tr("HELD") : QStringLiteral("\n ")));
        card->setStyleSheet(QStringLiteral("QPushButton { color: %1; }"
                                           "QPushButton:checked { background: #f6d44a; font-weight: bold; }"
                                           "QPushButton:focus { border: 3px solid #1565c0; }")
                                .arg(IsRedCard(code) ? QStringLiteral("#c62828") : QStringLiteral("#000000")));
        //: A practice card for screen readers: %1 its slot, %2 the card, then whether it is held.
        SetSpokenName(card, tr("Card %1: %2%3").arg(slot).arg(CardName(code), held ? tr(", held") : QString()));
    }
    check_->setText(checked_ ? tr("&Next hand (Enter)") : tr("&Check my hold (Enter)"));
    check_->setEnabled(hand_.has_value());
    const QLocale locale;
    Say(tallyText_, tr("Hands: %1. Best holds found: %2. Credits given up per 100 hands: %3.")
                        .arg(locale.toString(tally_.hands), locale.toString(tally_.bestFound),
                             locale.toString(tally_.GivenUpPerHundred(), 'f', 2)));
    Fit();
}

// Room for every line whole, as the texts change length.
void PracticeWindow::Fit() {
    const int needed = layout()->totalHeightForWidth(width());
    if (needed > height()) resize(width(), needed);
}

void PracticeWindow::ShowLeaning() {
    if (!lean_->isChecked()) {
        Say(leaning_, tr("Plain random deals: every hand is as likely as at a shuffled deck."));
        Fit();
        return;
    }
    QStringList lines;
    if (dealer_)
        for (const auto& [line, times] : dealer_->MissedLines()) lines << LineText(line);
    const QString missed = lines.isEmpty() ? tr("none yet") : lines.join(QStringLiteral(", "));
    Say(leaning_, tr("Deals lean towards the chart lines you have missed, %1 times as often as chance deals them "
                     "(missed so far: %2), and towards close decisions, where the best hold beats the next by less "
                     "than %3 credits (%4 times as often).")
                      .arg(session::kMissedWeight)
                      .arg(missed)
                      .arg(QLocale().toString(session::kCloseGap, 'f', 2))
                      .arg(session::kCloseWeight));
    Fit();
}

void PracticeWindow::keyPressEvent(QKeyEvent* event) {
    const int key = event->key();
    if (key >= Qt::Key_1 && key <= Qt::Key_5) ToggleSlot(key - Qt::Key_0);
    else if (key == Qt::Key_Return || key == Qt::Key_Enter) Check();
    else QWidget::keyPressEvent(event);
}

}  // namespace velmora::ui
