#include "ui/advisor_panel.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QLabel>
#include <QPainter>

#include "ui/accessibility.h"
#include "ui/chart_text.h"
#include "ui/hold_text.h"
#include "ui/table_draw_text.h"
#include "ui/look.h"
#include "ui/rule_text.h"

namespace velmora::ui {
namespace {

constexpr int kLeft = 10;        // where the text begins, right of the panel's border
constexpr int kLineHeight = 17;
constexpr int kRuleHeight = 13;  // a ranked hold's chart line, under its cards
constexpr int kRankedTop = 44;
constexpr int kYoursTop = 212;
constexpr int kSuggestionTop = 248;
constexpr int kMessageTop = 270;
const QColor kText(0xE0, 0xE0, 0xE0);
const QColor kDim(0xA0, 0xA0, 0xA0);
const QColor kRed(0xFF, 0x70, 0x70);
const QColor kYourBack(0x1E, 0x46, 0x1E);

QFont LineFont() { return FixedPitchFont(9, false); }
QFont RuleFont() { return SansFont(8, false); }

// The columns of a line, in characters of the fixed-pitch font: the rank,
// five card cells of four, then the value and the cost, each right-aligned
// to its end.
struct Columns {
    qreal advance;
    qreal Lead() const { return kLeft; }
    qreal Card(int slot) const { return kLeft + (3 + 4 * (slot - 1)) * advance; }
    qreal ValueEnd() const { return kLeft + 32 * advance; }
    qreal CostEnd() const { return kLeft + 41 * advance; }
};

Columns ColumnsOf(const QFont& font) { return Columns{QFontMetricsF(font).horizontalAdvance(QLatin1Char('0'))}; }

void DrawRightAligned(QPainter& painter, qreal end, qreal baseline, const QString& text) {
    painter.drawText(QPointF(end - QFontMetricsF(painter.font()).horizontalAdvance(text), baseline), text);
}

// What a screen reader says of a hold's line, a sentence of its own, and
// then its chart line, if known.
QString Sentence(const QString& lead, const session::HoldAdvice& advice, int hold, bool best, const QString& rule) {
    const QString words = HoldInWords(advice.deal, hold);
    const QString value = CreditsText(advice.Value(hold));
    const QString sentence = best ? AdvisorPanel::tr("%1: %2, worth %3 credits, the best hold.").arg(lead, words, value)
                                  : AdvisorPanel::tr("%1: %2, worth %3 credits, %4 less than the best.")
                                        .arg(lead, words, value, CreditsText(advice.Cost(hold)));
    return rule.isEmpty() ? sentence : AdvisorPanel::tr("%1 Chart: %2.").arg(sentence, rule);
}

QString RuleOf(const strategy::Chart* chart, const session::HoldAdvice& advice, int hold) {
    return chart ? HoldLineText(*chart, advice.deal, hold) : QString();
}

}  // namespace

// One hold on one line: its cards, value and cost ("best" for the best
// hold). What a screen reader says of it is its accessible name, a sentence
// that begins with its spoken lead.
class HoldLine : public QWidget {
public:
    explicit HoldLine(QWidget* parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

    // `rule`: the hold's chart line, drawn under its cards where the line has room.
    void Show(const QString& lead, const QString& spokenLead, const session::HoldAdvice& advice, int hold, bool marked,
              const QString& rule) {
        const bool best = hold == advice.Best();
        lead_ = lead;
        deal_ = advice.deal;
        hold_ = hold;
        value_ = CreditsText(advice.Value(hold));
        cost_ = best ? AdvisorPanel::tr("best") : AdvisorPanel::tr("\u2212%1").arg(CreditsText(advice.Cost(hold)));
        marked_ = marked;
        rule_ = rule;
        shown_ = true;
        SetSpokenName(this, Sentence(spokenLead, advice, hold, best, rule));
        update();
    }
    void Clear() {
        shown_ = false;
        SetSpokenName(this, QString());
        update();
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!shown_) return;
        QPainter painter(this);
        if (marked_) painter.fillRect(rect().adjusted(kLeft - 4, 0, 0, 0), kYourBack);
        painter.setFont(LineFont());
        const Columns columns = ColumnsOf(painter.font());
        const QFontMetricsF metrics(painter.font());
        const qreal baseline = std::round((kLineHeight + metrics.ascent() - metrics.descent()) / 2);
        painter.setPen(kDim);
        painter.drawText(QPointF(columns.Lead(), baseline), lead_);
        for (int slot = 1; slot <= 5; ++slot) {
            const int code = deal_[static_cast<std::size_t>(slot - 1)];
            const bool kept = strategy::Keeps(hold_, slot);
            painter.setPen(!kept ? kDim : IsRedCard(code) ? kRed : kText);
            painter.drawText(QPointF(columns.Card(slot), baseline), kept ? ShortCardName(code) : QStringLiteral("\u00b7"));
        }
        painter.setPen(kText);
        DrawRightAligned(painter, columns.ValueEnd(), baseline, value_);
        painter.setPen(kDim);
        DrawRightAligned(painter, columns.CostEnd(), baseline, cost_);
        if (height() >= kLineHeight + kRuleHeight && !rule_.isEmpty()) {
            painter.setFont(RuleFont());
            const QFontMetricsF ruleMetrics(painter.font());
            const qreal left = columns.Card(1);
            painter.drawText(QPointF(left, kLineHeight + ruleMetrics.ascent() - 2),
                             ruleMetrics.elidedText(rule_, Qt::ElideRight, width() - left - 6));
        }
    }

private:
    QString lead_, value_, cost_, rule_;
    strategy::Deal deal_{};
    int hold_ = 0;
    bool marked_ = false;
    bool shown_ = false;
};

namespace {

QAccessibleInterface* HoldLineInterface(const QString&, QObject* object) {
    if (auto* line = dynamic_cast<HoldLine*>(object)) return new QAccessibleWidget(line, QAccessible::StaticText);
    return nullptr;
}

}  // namespace

AdvisorPanel::AdvisorPanel(QWidget* parent) : QWidget(parent) {
    InstallAccessibleFactory(HoldLineInterface);
    setObjectName(QStringLiteral("AdvisorPanel"));
    setAccessibleName(tr("Best-hold advisor"));
    setFocusPolicy(Qt::NoFocus);
    for (int i = 0; i < kRankedLines; ++i) {
        ranked_[i] = new HoldLine(this);
        ranked_[i]->setObjectName(QStringLiteral("RankedHold%1").arg(i + 1));
        ranked_[i]->setGeometry(0, kRankedTop + i * (kLineHeight + kRuleHeight), kWidth, kLineHeight + kRuleHeight);
    }
    yours_ = new HoldLine(this);
    yours_->setObjectName(QStringLiteral("YourHold"));
    yours_->setGeometry(0, kYoursTop, kWidth, kLineHeight);
    suggestion_ = new HoldLine(this);
    suggestion_->setObjectName(QStringLiteral("SuggestedHold"));
    suggestion_->setGeometry(0, kSuggestionTop, kWidth, kLineHeight);
    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("AdvisorMessage"));
    message_->setGeometry(kLeft, kMessageTop, kWidth - kLeft - 8, 335 - kMessageTop - 4);
    message_->setFont(SansFont(9, false));
    message_->setWordWrap(true);
    message_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    message_->setTextFormat(Qt::PlainText);
    QPalette palette = message_->palette();
    palette.setColor(QPalette::WindowText, ToQColor(kOrange));
    message_->setPalette(palette);
}

void AdvisorPanel::ShowMessage(const QString& message) {
    for (HoldLine* line : ranked_) line->Clear();
    yours_->Clear();
    suggestion_->Clear();
    SetMessage(message);
    if (holds_) {
        holds_ = false;
        update();
    }
}

void AdvisorPanel::ShowHolding(const session::HoldAdvice& advice, int suggested, int current,
                               const strategy::Chart* chart) {
    ShowHolds(advice, suggested, current, false, chart);
    // Where the table's own draw makes a difference, the panel says why.
    if (const auto note = session::NoteOnTableDraw(advice, kRankedLines))
        SetMessage(TableDrawText(advice, *note));
    else
        SetMessage(tr("A value is what the hold brings back on average for the credit bet; its cost is what it gives up "
                      "against the best hold."));
}

void AdvisorPanel::ShowDrawn(const session::HoldAdvice& advice, int suggested, int held, const strategy::Chart* chart) {
    ShowHolds(advice, suggested, held, true, chart);
    if (!advice.IsMistake(held)) {
        SetMessage(tr("You drew with the best hold."));
        return;
    }
    const QString verdict = tr("You gave up %1 credits: the best hold, %2, was worth %3; yours was worth %4.")
                                .arg(CreditsText(advice.Cost(held)), KeptCards(advice.deal, advice.Best()),
                                     CreditsText(advice.Value(advice.Best())), CreditsText(advice.Value(held)));
    SetMessage(chart ? tr("%1 %2").arg(verdict, BrokenRuleText(*chart, advice, held)) : verdict);
}

void AdvisorPanel::ShowHolds(const session::HoldAdvice& advice, int suggested, int yours, bool drawn,
                             const strategy::Chart* chart) {
    for (int i = 0; i < kRankedLines; ++i) {
        const int hold = advice.ranking[static_cast<std::size_t>(i)];
        ranked_[i]->Show(tr("%1.").arg(i + 1), tr("Hold number %1").arg(i + 1), advice, hold, hold == yours,
                         RuleOf(chart, advice, hold));
    }
    const QString yoursRule = RuleOf(chart, advice, yours), suggestionRule = RuleOf(chart, advice, suggested);
    yours_->Show(QString(), drawn ? tr("You drew with") : tr("Your hold"), advice, yours, false, yoursRule);
    suggestion_->Show(QString(), tr("The game's suggestion"), advice, suggested, false, suggestionRule);
    if (drawn != drawn_ || !holds_ || yoursRule != yoursRule_ || suggestionRule != suggestionRule_) {
        drawn_ = drawn;
        holds_ = true;
        yoursRule_ = yoursRule;
        suggestionRule_ = suggestionRule;
        update();
    }
}

void AdvisorPanel::SetMessage(const QString& message) {
    message_->setText(message);
    SetSpokenName(message_, CardsInWords(message));
}

void AdvisorPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    painter.fillRect(QRect(0, 0, 2, height()), ToQColor(kLightGrey));
    painter.setPen(ToQColor(kOrange));
    painter.setFont(SansFont(12, true));
    painter.drawText(QRect(kLeft, 4, kWidth - kLeft, 22), Qt::AlignLeft | Qt::AlignVCenter, tr("Best holds"));
    if (!holds_) return;

    painter.setFont(SansFont(8, false));
    painter.setPen(kDim);
    const Columns columns = ColumnsOf(LineFont());
    const qreal heads = kRankedTop - 4;
    painter.drawText(QPointF(columns.Card(1), heads), tr("Cards kept"));
    DrawRightAligned(painter, columns.ValueEnd(), heads, tr("Value"));
    DrawRightAligned(painter, columns.CostEnd(), heads, tr("Cost"));
    // Each heading, then the hold's chart line as far as the panel has room.
    const auto heading = [&](int top, const QString& title, const QString& rule) {
        const QString text = rule.isEmpty() ? title : tr("%1 · %2").arg(title, rule);
        painter.drawText(QPointF(kLeft, top - 4),
                         QFontMetricsF(painter.font()).elidedText(text, Qt::ElideRight, kWidth - kLeft - 6));
    };
    heading(kYoursTop, drawn_ ? tr("You drew with") : tr("Your hold"), yoursRule_);
    heading(kSuggestionTop, tr("The game's suggestion"), suggestionRule_);
}

}  // namespace velmora::ui
