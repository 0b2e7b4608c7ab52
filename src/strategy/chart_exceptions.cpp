#include "strategy/chart_exceptions.h"

#include <algorithm>
#include <cmath>

#include "strategy/chart_reading.h"

namespace velmora::strategy::charting {
namespace {

// The exceptions of the exact chart. Each deal the basic chart plays short of
// perfect is put with its line and the first kind down the chart (or left
// out of it) that plays it perfectly. For each such line and kind, the
// exception's condition is built from penalty cards, one at a time, until
// it holds on no deal where that kind is not a best hold; such conditions
// are added until they cover every deal of the pair.
class ExceptionFinder {
public:
    ExceptionFinder(const Table& table, const Grain& grain, const std::vector<int>& place, int lines)
        : table_(table), grain_(grain), place_(place), lines_(lines) {
        for (int rank = 0; rank <= 13; ++rank)
            for (const bool orLower : {false, true})
                for (const SuitRelation suit : {SuitRelation::Any, SuitRelation::Suited, SuitRelation::Offsuit})
                    if ((rank != 0 || suit != SuitRelation::Any) && (!orLower || (rank >= 3 && rank <= 10)))
                        for (const bool present : {true, false})
                            for (const bool two : {false, true})
                                literals_.push_back({rank, orLower, suit, present, false, two});
        for (int rank = 1; rank <= 13; ++rank)
            for (const bool present : {true, false}) literals_.push_back({.rank = rank, .present = present, .held = true});
    }

    void AddTo(Chart& chart) {
        const int rows = static_cast<int>(table_.rows.size());
        std::vector<const Entry*> pick(rows);
        std::vector<std::vector<int>> rowsOnLine(lines_);
        std::vector<std::pair<int, int>> pairs;  // line place, kind played instead
        for (int row = 0; row < rows; ++row) {
            pick[row] = &Pick(row);
            rowsOnLine[place_[pick[row]->kind]].push_back(row);
            const double best = table_.rows[row].best;
            if (pick[row]->value >= best - kTie) continue;
            const Entry* instead = nullptr;
            for (int i = grain_.ranges[row].first; i < grain_.ranges[row].second; ++i) {
                const Entry& e = grain_.entries[i];
                if (e.value >= best - kTie && (!instead || place_[e.kind] < place_[instead->kind]))
                    instead = &e;
            }
            if (instead) pairs.push_back({place_[pick[row]->kind], instead->kind});
        }
        std::sort(pairs.begin(), pairs.end());
        pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
        std::vector<std::vector<int>> kinds(lines_);  // of each line's exceptions
        for (const auto& [line, kind] : pairs) {
            Cover(chart.lines[line], rowsOnLine[line], pick, kind);
            kinds[line].resize(chart.lines[line].exceptions.size(), kind);
        }
        // The chart's return: each deal played by the first exception of its line that applies, else by the line.
        double sum = 0;
        for (int row = 0; row < rows; ++row) {
            const int line = place_[pick[row]->kind];
            double value = pick[row]->value;
            const auto& exceptions = chart.lines[line].exceptions;
            for (std::size_t e = 0; e < exceptions.size(); ++e) {
                const Entry* instead = EntryOf(row, kinds[line][e]);
                if (instead && Holds(exceptions[e].when, FactsOf(table_.rows[row].deal, instead->hold, pick[row]->hold))) {
                    value = instead->value;
                    break;
                }
            }
            sum += table_.rows[row].weight * value;
        }
        chart.expectedReturn = sum / table_.totalWeight;
    }

private:
    struct Case {
        DiscardFacts facts;
        double weight;
        int label;  // +1: the kind plays it perfectly and the line does not; -1: the kind does not
        bool covered = false;
    };

    // The entry of the line that comes first.
    const Entry& Pick(int row) const {
        const auto [begin, end] = grain_.ranges[row];
        const Entry* pick = &grain_.entries[begin];
        for (int i = begin + 1; i < end; ++i)
            if (place_[grain_.entries[i].kind] < place_[pick->kind]) pick = &grain_.entries[i];
        return *pick;
    }

    const Entry* EntryOf(int row, int kind) const {
        for (int i = grain_.ranges[row].first; i < grain_.ranges[row].second; ++i)
            if (grain_.entries[i].kind == kind) return &grain_.entries[i];
        return nullptr;
    }

    bool True(const PenaltyCard& card, const DiscardFacts& facts) const { return facts.test(FactBit(card)) == card.present; }

    void Cover(ChartLine& line, const std::vector<int>& rows, const std::vector<const Entry*>& pick, int kind) {
        std::vector<Case> cases;
        for (const int row : rows) {
            const Entry* instead = EntryOf(row, kind);
            if (!instead) continue;
            const Row& r = table_.rows[row];
            const int label = instead->value < r.best - kTie ? -1 : pick[row]->value < r.best - kTie ? 1 : 0;
            if (label != 0) cases.push_back({FactsOf(r.deal, instead->hold, pick[row]->hold), r.weight, label});
        }
        // Conditions chosen by three measures of a penalty card; the fewest that cover most win.
        std::vector<std::vector<PenaltyCard>> best;
        double bestLeft = 0;
        for (int measure = 0; measure < 3; ++measure) {
            std::vector<Case> trial = cases;
            const auto [conditions, left] = Conditions(trial, measure);
            if (measure == 0 || left < bestLeft || (left == bestLeft && conditions.size() < best.size()))
                best = conditions, bestLeft = left;
        }
        for (const auto& when : best) line.exceptions.push_back({grain_.kinds.Kind(kind), when});
    }

    // Conditions that hold on no case labelled -1, added until they hold on
    // every case labelled 1 (or no more can be found), and the weight left
    // uncovered. Each condition takes penalty cards one at a time, the best
    // by `measure`: 0, smoothed precision; 1, information gained; 2, precision.
    std::pair<std::vector<std::vector<PenaltyCard>>, double> Conditions(std::vector<Case>& cases, int measure) const {
        std::vector<std::vector<PenaltyCard>> conditions;
        for (int found = 0; found < 16; ++found) {
            std::vector<Case*> open;
            for (Case& c : cases)
                if (c.label < 0 || !c.covered) open.push_back(&c);
            if (std::none_of(open.begin(), open.end(), [](const Case* c) { return c->label > 0; })) break;
            std::vector<PenaltyCard> when;
            for (int depth = 0; depth < 4; ++depth) {
                double positives = 0, negatives = 0;
                for (const Case* c : open) (c->label > 0 ? positives : negatives) += c->weight;
                if (negatives == 0) break;
                const PenaltyCard* bestCard = nullptr;
                double bestScore = 0, bestKept = 0;
                for (const PenaltyCard& card : literals_) {
                    double kept = 0, wrong = 0;
                    for (const Case* c : open)
                        if (True(card, c->facts)) (c->label > 0 ? kept : wrong) += c->weight;
                    if (kept == 0) continue;
                    const double score =
                        measure == 0   ? (kept + 1) / (kept + wrong + 2)
                        : measure == 1 ? kept * (std::log(kept / (kept + wrong)) - std::log(positives / (positives + negatives)))
                                       : kept / (kept + wrong);
                    if (!bestCard || score > bestScore || (score == bestScore && kept > bestKept))
                        bestCard = &card, bestScore = score, bestKept = kept;
                }
                if (!bestCard) break;
                when.push_back(*bestCard);
                std::erase_if(open, [&](const Case* c) { return !True(*bestCard, c->facts); });
            }
            if (std::any_of(open.begin(), open.end(), [](const Case* c) { return c->label < 0; })) break;
            for (Case* c : open) c->covered = true;
            conditions.push_back(when);
        }
        double left = 0;
        for (const Case& c : cases) left += c.label > 0 && !c.covered ? c.weight : 0;
        return {conditions, left};
    }

    const Table& table_;
    const Grain& grain_;
    const std::vector<int>& place_;
    const int lines_;
    std::vector<PenaltyCard> literals_;
};

}  // namespace

void AddExceptions(const Table& table, const Grain& grain, const std::vector<int>& place, Chart& exact) {
    ExceptionFinder(table, grain, place, static_cast<int>(exact.lines.size())).AddTo(exact);
}

}  // namespace velmora::strategy::charting
