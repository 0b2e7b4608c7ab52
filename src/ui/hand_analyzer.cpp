#include "ui/hand_analyzer.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "session/hold_advice.h"
#include "strategy/pays.h"
#include "table/card_code.h"
#include "ui/accessibility.h"
#include "ui/card_names.h"
#include "ui/chart_source.h"
#include "ui/chart_text.h"
#include "ui/hold_text.h"
#include "ui/strategy_tables.h"
#include "ui/window_placement.h"

namespace velmora::ui {
namespace {

enum PaysChoice { kThisTable, kNineSix, kEightFive, kOwn };

// "800/50/25/9/6/4/3/2/1", Royal Flush first.
QString PaysText(const strategy::Pays& pays) {
    QStringList numbers;
    for (int i = strategy::kHandClassCount - 1; i >= 1; --i) numbers << QString::number(pays.credits[static_cast<std::size_t>(i)]);
    return numbers.join(QLatin1Char('/'));
}

}  // namespace

HandAnalyzer::HandAnalyzer(QWidget* parent, StrategyTables& tables, ChartSource& charts, TableCards tableCards)
    : QWidget(parent, Qt::Window), tables_(tables), charts_(charts), tableCards_(std::move(tableCards)) {
    setObjectName(QStringLiteral("HandAnalyzer"));
    setWindowTitle(tr("Velmora: hand analyzer"));
    CloseOnEscape(*this);

    auto* grid = new QGridLayout;
    grid->setSpacing(2);
    for (int code = 1; code <= kCardCount; ++code) {
        auto* card = new QToolButton(this);
        card->setObjectName(QStringLiteral("Card%1").arg(code));
        card->setText(ShortCardName(code));
        card->setCheckable(true);
        card->setFocusPolicy(code == 1 ? Qt::StrongFocus : Qt::ClickFocus);
        card->setAccessibleName(CardName(code));
        card->setMinimumSize(40, 32);
        card->setStyleSheet(QStringLiteral("QToolButton { color: %1; font-size: 12pt; }"
                                           "QToolButton:checked { background: #f6d44a; font-weight: bold; }"
                                           "QToolButton:focus { border: 3px solid #1565c0; }")
                                .arg(IsRedCard(code) ? QStringLiteral("#c62828") : QStringLiteral("#000000")));
        card->installEventFilter(this);
        connect(card, &QToolButton::toggled, this, [this, code](bool on) { Toggle(code, on); });
        grid->addWidget(card, BlockOf(code) - 1, RankOf(code) - 1);
        cards_[static_cast<std::size_t>(code - 1)] = card;
    }

    take_ = new QPushButton(tr("&Take the table's cards"), this);
    take_->setObjectName(QStringLiteral("TakeTableCards"));
    auto* clear = new QPushButton(tr("C&lear"), this);
    clear->setObjectName(QStringLiteral("ClearCards"));
    connect(take_, &QPushButton::clicked, this, &HandAnalyzer::TakeTableCards);
    connect(clear, &QPushButton::clicked, this, &HandAnalyzer::Clear);

    paysChoice_ = new QComboBox(this);
    paysChoice_->setObjectName(QStringLiteral("PaysChoice"));
    paysChoice_->addItem(tr("This table (%1)").arg(PaysText(strategy::GamePays())));
    paysChoice_->addItem(tr("9/6 (%1)").arg(PaysText(strategy::NineSixPays())));
    paysChoice_->addItem(tr("8/5 (%1)").arg(PaysText(strategy::EightFivePays())));
    paysChoice_->addItem(tr("Your own pays"));
    ownPays_ = new QLineEdit(PaysText(strategy::NineSixPays()), this);
    ownPays_->setObjectName(QStringLiteral("OwnPays"));
    ownPays_->setEnabled(false);
    auto* paysLabel = new QLabel(tr("&Pays:"), this);
    paysLabel->setBuddy(paysChoice_);
    ownPays_->setAccessibleName(tr("Your own pays, Royal Flush first"));
    connect(paysChoice_, &QComboBox::currentIndexChanged, this, [this](int index) {
        ownPays_->setEnabled(index == kOwn);
        ShowValues();
    });
    connect(ownPays_, &QLineEdit::textChanged, this, &HandAnalyzer::ShowValues);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(take_);
    buttons->addWidget(clear);
    buttons->addStretch(1);
    auto* paysRow = new QHBoxLayout;
    paysRow->addWidget(paysLabel);
    paysRow->addWidget(paysChoice_);
    paysRow->addWidget(ownPays_, 1);
    ownPays_->setMinimumWidth(ownPays_->fontMetrics().horizontalAdvance(QStringLiteral("00000/000/00/0/0/0/0/0/0")) + 16);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("AnalyzerMessage"));
    message_->setWordWrap(true);

    holds_ = new QTableWidget(strategy::kHoldCount, 4, this);
    holds_->setObjectName(QStringLiteral("AnalyzerHolds"));
    holds_->setAccessibleName(tr("Every hold, best first"));
    holds_->setHorizontalHeaderLabels({tr("Rank"), tr("Cards kept"), tr("Value"), tr("Chart line")});
    holds_->verticalHeader()->hide();
    holds_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    holds_->setSelectionBehavior(QAbstractItemView::SelectRows);
    holds_->setSelectionMode(QAbstractItemView::SingleSelection);
    holds_->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    holds_->horizontalHeader()->setStretchLastSection(true);
    holds_->setMinimumHeight(160);

    auto* layout = new QVBoxLayout(this);
    auto* gridLabel = new QLabel(tr("Choose five cards (arrow keys move, Space or Enter chooses):"), this);
    gridLabel->setWordWrap(true);
    layout->addWidget(gridLabel);
    layout->addLayout(grid);
    layout->addLayout(buttons);
    layout->addLayout(paysRow);
    layout->addWidget(message_);
    layout->addWidget(holds_, 1);
    resize(sizeHint().width(), 0);
    Fit(sizeHint().height() + 120);

    connect(&charts_, &ChartSource::ready, this, &HandAnalyzer::ShowValues);
    connect(&tables_, &StrategyTables::ready, this, &HandAnalyzer::ShowValues);
    tables_.Build();
    Refresh();
}

// Grows the window to `height` where the screen has room for it.
void HandAnalyzer::Fit(int height) {
    if (height <= this->height()) return;
    const QScreen* screen = parentWidget() ? parentWidget()->screen() : this->screen();
    const int room = screen ? screen->availableGeometry().height() - 40 : height;  // 40: the title bar
    resize(width(), std::max(this->height(), std::min(height, room)));
}

void HandAnalyzer::Refresh() {
    take_->setEnabled(tableCards_ && tableCards_().has_value());
    ShowValues();
}

// Arrow keys move over the grid, Enter chooses as Space does. The grid is
// one stop of the Tab key: the card last in focus.
bool HandAnalyzer::eventFilter(QObject* watched, QEvent* event) {
    const auto at = std::find(cards_.begin(), cards_.end(), watched);
    if (at == cards_.end()) return false;
    if (event->type() == QEvent::FocusIn) {
        for (QToolButton* card : cards_) card->setFocusPolicy(card == *at ? Qt::StrongFocus : Qt::ClickFocus);
        return false;
    }
    if (event->type() != QEvent::KeyPress) return false;
    const int index = static_cast<int>(at - cards_.begin());
    int row = index / 13, column = index % 13;
    switch (static_cast<QKeyEvent*>(event)->key()) {
    case Qt::Key_Left: column = (column + 12) % 13; break;
    case Qt::Key_Right: column = (column + 1) % 13; break;
    case Qt::Key_Up: row = (row + 3) % 4; break;
    case Qt::Key_Down: row = (row + 1) % 4; break;
    case Qt::Key_Return:
    case Qt::Key_Enter: cards_[static_cast<std::size_t>(index)]->toggle(); return true;
    default: return false;
    }
    cards_[static_cast<std::size_t>(row * 13 + column)]->setFocus(Qt::TabFocusReason);
    return true;
}

void HandAnalyzer::Toggle(int code, bool on) {
    const auto at = std::find(chosen_.begin(), chosen_.end(), code);
    if (on == (at != chosen_.end())) return;
    if (!on) chosen_.erase(at);
    else if (chosen_.size() < 5) chosen_.push_back(code);
    else {
        QSignalBlocker quiet(cards_[static_cast<std::size_t>(code - 1)]);
        cards_[static_cast<std::size_t>(code - 1)]->setChecked(false);
        message_->setText(tr("Five cards are chosen already: take one back first."));
        SetSpokenName(message_, message_->text());
        return;
    }
    ShowValues();
}

void HandAnalyzer::TakeTableCards() {
    const auto deal = tableCards_ ? tableCards_() : std::nullopt;
    if (!deal) return;
    Clear();
    for (const int code : *deal) cards_[static_cast<std::size_t>(code - 1)]->setChecked(true);
}

void HandAnalyzer::Clear() {
    for (QToolButton* card : cards_) {
        QSignalBlocker quiet(card);
        card->setChecked(false);
    }
    chosen_.clear();
    ShowValues();
}

std::optional<strategy::Pays> HandAnalyzer::ChosenPays() {
    switch (paysChoice_->currentIndex()) {
    case kThisTable: return strategy::GamePays();
    case kNineSix: return strategy::NineSixPays();
    case kEightFive: return strategy::EightFivePays();
    default: break;
    }
    const QStringList words = ownPays_->text().split(QRegularExpression(QStringLiteral("[\\s,/;]+")), Qt::SkipEmptyParts);
    if (words.size() != 9) return std::nullopt;
    strategy::Pays pays;
    for (int i = 0; i < 9; ++i) {
        bool number = false;
        const int credits = words[i].toInt(&number);
        if (!number || credits < 1 || credits > 100000) return std::nullopt;
        pays.credits[static_cast<std::size_t>(strategy::kHandClassCount - 1 - i)] = credits;
    }
    return pays;
}

void HandAnalyzer::ShowValues() {
    const auto pays = ChosenPays();
    const bool five = chosen_.size() == 5;
    QString message;
    if (!pays) {
        message = tr("Your own pays must be nine whole numbers from 1 to 100000, Royal Flush first, then Straight "
                     "Flush, Four of a Kind, Full House, Flush, Straight, Three of a Kind, Two Pairs and Jacks or "
                     "Better: for example 800/50/25/9/6/4/3/2/1.");
    } else if (!five) {
        message = tr("Choose five cards: %1 chosen.").arg(chosen_.size());
    } else if (!tables_.Ready()) {
        message = tr("Working out the value of every hold\u2026");
    }
    const strategy::Charts* charts = pays && five ? charts_.Find(*pays) : nullptr;
    if (message.isEmpty())
        message = charts ? tr("Every hold from the best down, valued from a shuffled deck in credits per credit bet, "
                              "with its line of the basic chart for these pays.")
                         : tr("Working out the strategy chart for these pays\u2026");
    message_->setText(message);
    SetSpokenName(message_, message);
    Fit(layout()->totalHeightForWidth(width()));

    holds_->setRowCount(pays && five && tables_.Ready() ? strategy::kHoldCount : 0);
    if (holds_->rowCount() == 0) return;
    strategy::Deal deal{};
    std::copy(chosen_.begin(), chosen_.end(), deal.begin());
    const strategy::HoldValueSet values = strategy::HoldValues(deal, *pays);
    const auto ranking = session::RankHolds(values);
    for (int row = 0; row < strategy::kHoldCount; ++row) {
        const int hold = ranking[static_cast<std::size_t>(row)];
        const QString line = charts ? HoldLineText(charts->basic, deal, hold)
                                    : tr("working out\u2026");
        const QStringList texts{row == 0 ? tr("%1 best").arg(row + 1) : QString::number(row + 1), KeptCards(deal, hold),
                                CreditsText(values[static_cast<std::size_t>(hold)]), line};
        for (int column = 0; column < 4; ++column) {
            auto* item = new QTableWidgetItem(texts[column]);
            item->setData(Qt::UserRole, hold);
            if (column == 2) item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            if (column == 1) item->setData(Qt::AccessibleTextRole, HoldInWords(deal, hold));
            if (row == 0) {
                QFont font = item->font();
                font.setBold(true);
                item->setFont(font);
            }
            holds_->setItem(row, column, item);
        }
    }
}

}  // namespace velmora::ui
