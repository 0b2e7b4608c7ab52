#include "ui/chart_text.h"

#include <QCoreApplication>
#include <QLocale>

#include "table/card_code.h"

namespace velmora::ui {
namespace {

using strategy::HoldKind;
using strategy::HoldShape;
using strategy::PenaltyCard;
using strategy::StraightGaps;
using strategy::SuitRelation;

QString Tr(const char* text, const char* comment = nullptr, int n = -1) {
    return QCoreApplication::translate("Chart", text, comment, n);
}

QString MadeText(strategy::HandClass made) {
    using strategy::HandClass;
    switch (made) {
        case HandClass::Nothing: return Tr("straight or better");
        case HandClass::JacksOrBetter: return Tr("high pair");
        case HandClass::TwoPairs: return Tr("two pairs");
        case HandClass::ThreeOfAKind: return Tr("three of a kind");
        case HandClass::Straight: return Tr("straight");
        case HandClass::Flush: return Tr("flush");
        case HandClass::FullHouse: return Tr("full house");
        case HandClass::FourOfAKind: return Tr("four of a kind");
        case HandClass::StraightFlush: return Tr("straight flush");
        case HandClass::RoyalFlush: return Tr("royal flush");
    }
    return QString();
}

QString StraightFlushDraw(const HoldKind& kind) {
    const int n = kind.cards;
    switch (kind.gaps) {
        case StraightGaps::Open: return Tr("%n to an outside straight flush", nullptr, n);
        case StraightGaps::Inside: return Tr("%n to an inside straight flush", nullptr, n);
        case StraightGaps::DoubleInside: return Tr("%n to a double inside straight flush", nullptr, n);
        case StraightGaps::Any: break;
    }
    return Tr("%n to a straight flush", nullptr, n);
}

QString StraightDraw(const HoldKind& kind) {
    const int n = kind.cards;
    switch (kind.gaps) {
        case StraightGaps::Open: return Tr("%n to an outside straight", nullptr, n);
        case StraightGaps::Inside: return Tr("%n to an inside straight", nullptr, n);
        case StraightGaps::DoubleInside: return Tr("%n to a double inside straight", nullptr, n);
        case StraightGaps::Any: break;
    }
    return Tr("%n to a straight", nullptr, n);
}

QString WithHighCards(const QString& draw, int highCards) {
    if (highCards < 0) return draw;
    if (highCards == 0) return Tr("%1 with no high cards").arg(draw);
    if (highCards == 1) return Tr("%1 with 1 high card").arg(draw);
    return Tr("%1 with %n high cards", nullptr, highCards).arg(draw);
}

// The ranks held, highest first, the Ace high: "KQJ".
QString RanksText(unsigned ranks) {
    QString text;
    for (const int rank : {kAce, kKing, kQueen, kJack, kTen})
        if (ranks & (1u << (rank - 1))) text += ChartRankText(rank);
    return text;
}

// The card of a penalty, with its article: "a suited T", "an 8", "an offsuit
// 7 or lower" (the suit said of "7 or lower" as a whole). Languages that inflect by the rank's gender get one text per
// kind of rank, told apart by the comment.
QString CardWithArticle(const PenaltyCard& card) {
    const char* group = card.rank == kAce     ? "an Ace"
                        : card.rank == 8      ? "an Eight"
                        : card.rank == kKing  ? "a King"
                        : card.rank == kQueen ? "a Queen"
                        : card.rank == kJack  ? "a Jack"
                                              : "a number card";
    const bool an = card.rank == kAce || card.rank == 8;
    QString text;
    switch (card.suit) {
        case SuitRelation::Any: text = an ? Tr("an %1", group) : Tr("a %1", group); break;
        case SuitRelation::Suited: text = Tr("a suited %1", group); break;
        case SuitRelation::Offsuit: text = Tr("an offsuit %1", group); break;
    }
    const QString rank = ChartRankText(card.rank);
    return text.arg(card.orLower ? Tr("%1 or lower", "a rank").arg(rank) : rank);
}

// The cards of a penalty that comes twice: "9s", "suited Ts", "offsuit 7 or lower".
QString CardsInPlural(const PenaltyCard& card) {
    if (card.rank == 0)
        return card.suit == SuitRelation::Offsuit ? Tr("offsuit", "two discards are ...") : Tr("suited", "two discards are ...");
    const QString rank = ChartRankText(card.rank);
    if (card.orLower) {
        switch (card.suit) {
            case SuitRelation::Any: return Tr("%1 or lower", "two discards are ...").arg(rank);
            case SuitRelation::Suited: return Tr("suited %1 or lower", "two discards are ...").arg(rank);
            case SuitRelation::Offsuit: return Tr("offsuit %1 or lower", "two discards are ...").arg(rank);
        }
    }
    switch (card.suit) {
        case SuitRelation::Any: return Tr("%1s", "two discards are ...").arg(rank);
        case SuitRelation::Suited: return Tr("suited %1s", "two discards are ...").arg(rank);
        case SuitRelation::Offsuit: return Tr("offsuit %1s", "two discards are ...").arg(rank);
    }
    return QString();
}

}  // namespace

QString ChartRankText(int rank) {
    switch (rank) {
        case kAce: return QCoreApplication::translate("Advisor", "A", "the Ace, on a card");
        case kKing: return QCoreApplication::translate("Advisor", "K", "the King, on a card");
        case kQueen: return QCoreApplication::translate("Advisor", "Q", "the Queen, on a card");
        case kJack: return QCoreApplication::translate("Advisor", "J", "the Jack, on a card");
        case kTen: return Tr("T", "the Ten, on a strategy chart");
        default: return rank >= 2 && rank <= 9 ? QString::number(rank) : QStringLiteral("?");
    }
}

QString KindText(const HoldKind& kind) {
    switch (kind.shape) {
        case HoldShape::DrawFive: return Tr("draw five");
        case HoldShape::MadeHand: return MadeText(kind.made);
        case HoldShape::HighPair: return Tr("high pair");
        case HoldShape::LowPair: return Tr("low pair");
        case HoldShape::TwoPairs: return Tr("two pairs");
        case HoldShape::ThreeOfAKind: return Tr("three of a kind");
        case HoldShape::ToRoyalFlush: return Tr("%n to a royal flush", nullptr, kind.cards);
        case HoldShape::ToStraightFlush: return WithHighCards(StraightFlushDraw(kind), kind.highCards);
        case HoldShape::ToFlush: return WithHighCards(Tr("%n to a flush", nullptr, kind.cards), kind.highCards);
        case HoldShape::ToStraight: return WithHighCards(StraightDraw(kind), kind.highCards);
        case HoldShape::HighCards:
            if (kind.ranks == 0)
                return kind.suited ? Tr("suited %n high cards", nullptr, kind.cards)
                     : kind.cards == 1 ? Tr("1 high card")
                                       : Tr("%n high cards", nullptr, kind.cards);
            return kind.suited ? Tr("suited %1").arg(RanksText(kind.ranks)) : RanksText(kind.ranks);
        case HoldShape::Other: return Tr("other holds");
    }
    return QString();
}

QString PenaltyText(const PenaltyCard& card) {
    if (card.held)
        return (card.present ? Tr("a held card is %1") : Tr("no held card is %1")).arg(CardWithArticle(card));
    if (card.two)
        return (card.present ? Tr("two discards are %1") : Tr("no two discards are %1")).arg(CardsInPlural(card));
    if (card.rank == 0) {
        if (card.suit == SuitRelation::Any) return card.present ? Tr("a card is discarded") : Tr("no card is discarded");
        const bool suited = card.suit == SuitRelation::Suited;
        if (card.present) return suited ? Tr("a discard is suited") : Tr("a discard is offsuit");
        return suited ? Tr("no discard is suited") : Tr("no discard is offsuit");
    }
    return (card.present ? Tr("a discard is %1") : Tr("no discard is %1")).arg(CardWithArticle(card));
}

QString ExceptionText(const strategy::ChartException& exception) {
    QString when;
    for (const PenaltyCard& card : exception.when)
        when = when.isEmpty() ? PenaltyText(card) : Tr("%1 and %2", "two conditions").arg(when, PenaltyText(card));
    if (when.isEmpty()) return Tr("but hold %1").arg(KindText(exception.hold));
    return Tr("but hold %1 when %2").arg(KindText(exception.hold), when);
}

QString ChartTypeText(strategy::ChartType type) {
    switch (type) {
        case strategy::ChartType::Exact: return Tr("exact", "a strategy chart");
        case strategy::ChartType::Beginner: return Tr("beginner", "a strategy chart");
        case strategy::ChartType::Basic: break;
    }
    return Tr("basic", "a strategy chart");
}

QString LineText(int line) { return Tr("line %1", "of a strategy chart").arg(QLocale().toString(line)); }

QString KindOnLineText(const HoldKind& kind, int line) {
    if (line <= 0) return Tr("%1, no chart line").arg(KindText(kind));
    return Tr("%1, %2", "a hold's kind, its chart line").arg(KindText(kind), LineText(line));
}

}  // namespace velmora::ui
