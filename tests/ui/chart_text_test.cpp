// The charts' words in every language: each hold kind and each condition of
// an exception that a chart can show has its own translation (no text is
// missing from the catalogue, none reads as the English), and the English
// says what the strategy core says.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTranslator>
#include <vector>

#include "strategy/chart.h"
#include "table/card_code.h"
#include "ui/chart_text.h"

namespace velmora::ui {
namespace {

using namespace strategy;

// Every kind KindOf, CoarseKind and AnyGapsKind can give, and more.
std::vector<HoldKind> EveryKind() {
    std::vector<HoldKind> kinds;
    for (const HoldShape shape : {HoldShape::DrawFive, HoldShape::HighPair, HoldShape::LowPair, HoldShape::TwoPairs,
                                  HoldShape::ThreeOfAKind, HoldShape::Other})
        kinds.push_back({.shape = shape});
    for (int made = 0; made < 10; ++made)
        kinds.push_back({.shape = HoldShape::MadeHand, .made = static_cast<HandClass>(made)});
    for (int cards = 3; cards <= 4; ++cards) {
        kinds.push_back({.shape = HoldShape::ToRoyalFlush, .cards = cards});
        for (int high = -1; high <= 3; ++high) {
            kinds.push_back({.shape = HoldShape::ToFlush, .cards = cards, .highCards = high});
            for (const HoldShape shape : {HoldShape::ToStraightFlush, HoldShape::ToStraight})
                for (const StraightGaps gaps :
                     {StraightGaps::Open, StraightGaps::Inside, StraightGaps::DoubleInside, StraightGaps::Any})
                    kinds.push_back({.shape = shape, .cards = cards, .gaps = gaps, .highCards = high});
        }
    }
    for (unsigned ranks = 0; ranks < 32; ++ranks)  // bits: Ace, Ten, Jack, Queen, King
        for (const bool suited : {false, true}) {
            const unsigned bits = (ranks & 1) | (ranks & 30) << 8;
            const int cards = std::max(2, __builtin_popcount(ranks));
            kinds.push_back({.shape = HoldShape::HighCards, .cards = cards, .ranks = bits, .suited = suited});
        }
    return kinds;
}

std::vector<PenaltyCard> EveryPenaltyCard() {
    std::vector<PenaltyCard> cards;
    for (int rank = 0; rank <= 13; ++rank)
        for (const SuitRelation suit : {SuitRelation::Any, SuitRelation::Suited, SuitRelation::Offsuit})
            for (const bool present : {true, false}) {
                if (rank > 0 && suit == SuitRelation::Any) cards.push_back({.rank = rank, .suit = suit, .present = present, .held = true});
                for (const bool two : {false, true}) {
                    cards.push_back({rank, false, suit, present, false, two});
                    if (rank >= 3 && rank <= 10) cards.push_back({rank, true, suit, present, false, two});
                }
            }
    return cards;
}

// Notes every lookup of the charts' words that the catalogue does not answer.
class RecordingTranslator : public QTranslator {
public:
    QTranslator catalogue;
    mutable QStringList missing;
    QString translate(const char* context, const char* source, const char* disambiguation, int n) const override {
        const QString text = catalogue.translate(context, source, disambiguation, n);
        if (text.isEmpty() && context[0] != 'Q') missing << QString::fromUtf8(source);
        return text;
    }
    bool isEmpty() const override { return false; }
};

TEST(ChartText, EnglishSaysWhatTheStrategyCoreSays) {
    for (const HoldKind& kind : EveryKind()) EXPECT_EQ(KindText(kind).toStdString(), KindName(kind));
    for (const PenaltyCard& card : EveryPenaltyCard()) {
        if (card.rank == 0 && card.suit == SuitRelation::Any) continue;  // worded otherwise here
        const ChartException exception{{.shape = HoldShape::LowPair}, {card, {.rank = 9, .present = false}}};
        EXPECT_EQ(ui::ExceptionText(exception).toStdString(), strategy::ExceptionText(exception));
    }
    EXPECT_EQ(KindOnLineText({.shape = HoldShape::ToRoyalFlush, .cards = 3}, 6), "3 to a royal flush, line 6");
    EXPECT_EQ(ChartTypeText(ChartType::Beginner), "beginner");
}

TEST(ChartText, EveryLanguageHasItsOwnWordsForEveryKindAndCondition) {
    std::vector<QString> english;
    const auto all = [&] {
        std::vector<QString> texts;
        for (const HoldKind& kind : EveryKind()) texts.push_back(KindOnLineText(kind, 12));
        for (const PenaltyCard& card : EveryPenaltyCard())
            texts.push_back(ui::ExceptionText({{.shape = HoldShape::HighCards, .cards = 2, .ranks = 1u << (kQueen - 1) | 1u << (kJack - 1), .suited = true}, {card, card}}));
        for (const ChartType type : {ChartType::Basic, ChartType::Exact, ChartType::Beginner}) texts.push_back(ChartTypeText(type));
        texts.push_back(KindOnLineText({.shape = HoldShape::Other}, 0));
        return texts;
    };
    english = all();
    for (const char* language : {"fr", "de", "es"}) {
        SCOPED_TRACE(language);
        RecordingTranslator translator;
        ASSERT_TRUE(translator.catalogue.load(QStringLiteral(":/i18n/velmora_") + language));
        QApplication::installTranslator(&translator);
        const std::vector<QString> texts = all();
        QApplication::removeTranslator(&translator);
        EXPECT_TRUE(translator.missing.isEmpty()) << translator.missing.join(u'|').toStdString();
        for (std::size_t i = 0; i < texts.size(); ++i) {
            EXPECT_FALSE(texts[i].isEmpty());
            EXPECT_NE(texts[i], english[i]) << english[i].toStdString();
        }
    }
}

}  // namespace
}  // namespace velmora::ui
