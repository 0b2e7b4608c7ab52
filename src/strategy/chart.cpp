#include "strategy/chart.h"

#include <algorithm>
#include <bit>

#include "strategy/chart_reading.h"
#include "table/card_code.h"

namespace velmora::strategy {
namespace {

// The suit of the held cards when they are all of one suit; else 0.
int SuitOfHold(const Deal& deal, int hold) {
    int suit = 0;
    for (int slot = 1; slot <= 5; ++slot) {
        if (!Keeps(hold, slot)) continue;
        const int block = BlockOf(deal[slot - 1]);
        if (suit != 0 && suit != block) return 0;
        suit = block;
    }
    return suit;
}

std::string RankWithArticle(int rank) {
    const char letter = RankLetter(rank);
    return std::string(letter == 'A' || letter == '8' ? "an " : "a ") + letter;
}

std::string PenaltyText(const PenaltyCard& card) {
    if (card.held) return (card.present ? "a held card is " : "no held card is ") + RankWithArticle(card.rank);
    std::string text = card.two ? (card.present ? "two discards are " : "no two discards are ")
                                : card.present ? "a discard is " : "no discard is ";
    const char* relation = card.suit == SuitRelation::Suited    ? "suited"
                           : card.suit == SuitRelation::Offsuit ? "offsuit"
                                                                : "";
    const std::string lower = card.orLower ? " or lower" : "";
    if (card.two) {
        text += relation;
        if (card.rank == 0) return text;
        if (card.suit != SuitRelation::Any) text += ' ';
        return text + RankLetter(card.rank) + (card.orLower ? lower : "s");
    }
    if (card.rank == 0) return text + (card.suit == SuitRelation::Any ? "left" : relation);
    if (card.suit == SuitRelation::Any) return text + RankWithArticle(card.rank) + lower;
    return text + (card.suit == SuitRelation::Suited ? "a suited " : "an offsuit ") + RankLetter(card.rank) + lower;
}

}  // namespace

int CardsKey(const Deal& deal, int hold) {
    std::array<int, 5> ranks{};
    int n = 0;
    for (int slot = 1; slot <= 5; ++slot)
        if (Keeps(hold, slot)) ranks[n++] = RankOf(deal[slot - 1]) == kAce ? 14 : RankOf(deal[slot - 1]);
    std::sort(ranks.begin(), ranks.end(), std::greater<>());
    int key = 0;
    for (const int rank : ranks) key = key * 16 + rank;
    return key;
}

DiscardFacts FactsOf(const Deal& deal, int instead, int lineHold) {
    int reference = SuitOfHold(deal, instead);
    if (reference == 0) reference = SuitOfHold(deal, lineHold);
    DiscardFacts facts;
    const auto mark = [&](const PenaltyCard& card) {
        if (facts.test(FactBit(card))) facts.set(FactBit({card.rank, card.orLower, card.suit, true, false, true}));
        facts.set(FactBit(card));
    };
    for (int slot = 1; slot <= 5; ++slot) {
        const int rank = RankOf(deal[slot - 1]);
        if (Keeps(lineHold, slot)) {
            facts.set(FactBit({.rank = rank, .held = true}));
            continue;
        }
        std::vector<SuitRelation> relations{SuitRelation::Any};
        if (reference != 0)
            relations.push_back(BlockOf(deal[slot - 1]) == reference ? SuitRelation::Suited : SuitRelation::Offsuit);
        for (const SuitRelation suit : relations) {
            mark({0, false, suit});
            mark({rank, false, suit});
            for (int top = std::max(rank, 3); top <= 10 && rank != kAce; ++top) mark({top, true, suit});
        }
    }
    return facts;
}

bool Holds(const std::vector<PenaltyCard>& when, const DiscardFacts& facts) {
    return std::all_of(when.begin(), when.end(),
                       [&](const PenaltyCard& card) { return facts.test(FactBit(card)) == card.present; });
}

const Chart& Charts::Of(ChartType type) const {
    return type == ChartType::Exact ? exact : type == ChartType::Beginner ? beginner : basic;
}

int HoldOfKind(const Deal& deal, const HoldKind& line) {
    int best = -1, bestKey = -1;
    for (int hold = 0; hold < kHoldCount; ++hold) {
        if (!Matches(line, KindOf(deal, hold))) continue;
        const int key = CardsKey(deal, hold);
        if (key > bestKey) best = hold, bestKey = key;
    }
    return best;
}

ChartPick Follow(const Chart& chart, const Deal& deal) {
    std::array<HoldKind, kHoldCount> kinds;
    for (int hold = 0; hold < kHoldCount; ++hold) kinds[hold] = KindOf(deal, hold);
    const auto holdOf = [&](const HoldKind& line) {
        int best = -1, bestKey = -1;
        for (int hold = 0; hold < kHoldCount; ++hold) {
            if (!Matches(line, kinds[hold])) continue;
            const int key = CardsKey(deal, hold);
            if (key > bestKey) best = hold, bestKey = key;
        }
        return best;
    };
    for (std::size_t i = 0; i < chart.lines.size(); ++i) {
        const ChartLine& line = chart.lines[i];
        const int hold = holdOf(line.kind);
        if (hold < 0) continue;
        for (std::size_t e = 0; e < line.exceptions.size(); ++e) {
            const ChartException& exception = line.exceptions[e];
            const int instead = holdOf(exception.hold);
            if (instead >= 0 && Holds(exception.when, FactsOf(deal, instead, hold)))
                return {instead, static_cast<int>(i + 1), static_cast<int>(e)};
        }
        return {hold, static_cast<int>(i + 1), -1};
    }
    return {0, 0, -1};
}

int LineOf(const Chart& chart, const Deal& deal, int hold) {
    const HoldKind kind = KindOf(deal, hold);
    for (std::size_t i = 0; i < chart.lines.size(); ++i)
        if (Matches(chart.lines[i].kind, kind)) return static_cast<int>(i + 1);
    return 0;
}

std::string ExceptionText(const ChartException& exception) {
    std::string text = "but hold " + KindName(exception.hold);
    for (std::size_t i = 0; i < exception.when.size(); ++i)
        text += (i == 0 ? " when " : " and ") + PenaltyText(exception.when[i]);
    return text;
}

const char* ChartTypeName(ChartType type) {
    return type == ChartType::Exact ? "exact" : type == ChartType::Beginner ? "beginner" : "basic";
}

}  // namespace velmora::strategy
