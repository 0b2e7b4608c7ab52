// Working out the charts. Every suit class of deals is valued once; each
// kind a deal has is kept with the hold a chart would take for it and that
// hold's value. A chart's return is then, over the deals, the value of the
// kind that comes first in its order, and an order is improved by moving one
// kind at a time to the place that gains the most (all places of a kind are
// weighed in one pass over the deals that have it).
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdint>
#include <numeric>
#include <unordered_map>

#include "strategy/chart.h"
#include "strategy/chart_reading.h"
#include "strategy/perfect_play.h"
#include "table/every_hand.h"

namespace velmora::strategy {
namespace {

constexpr double kTie = 1e-9;

std::uint32_t Pack(const HoldKind& kind) {
    return static_cast<std::uint32_t>(kind.shape) | static_cast<std::uint32_t>(kind.made) << 4 |
           static_cast<std::uint32_t>(kind.cards) << 8 | static_cast<std::uint32_t>(kind.gaps) << 11 |
           static_cast<std::uint32_t>(kind.highCards + 1) << 13 | kind.ranks << 16 |
           static_cast<std::uint32_t>(kind.suited) << 30;
}

// The kinds met so far, numbered from 0.
class KindNumbers {
public:
    int Of(const HoldKind& kind) {
        const auto [it, added] = numbers_.try_emplace(Pack(kind), static_cast<int>(kinds_.size()));
        if (added) kinds_.push_back(kind);
        return it->second;
    }
    const HoldKind& Kind(int number) const { return kinds_[number]; }
    int Count() const { return static_cast<int>(kinds_.size()); }

private:
    std::unordered_map<std::uint32_t, int> numbers_;
    std::vector<HoldKind> kinds_;
};

// One kind on one deal: the hold a chart takes for it and its value.
struct Entry {
    int kind;
    int hold;
    double value;
};

struct Row {
    Deal deal;
    double weight;
    double best;
    int begin, end;  // its entries
};

// The deals and their kinds at one grain: fine and coarse kinds, or coarse only.
struct Grain {
    KindNumbers kinds;
    std::vector<Entry> entries;
    std::vector<std::vector<int>> rowsWith;  // by kind
    int drawFive = -1;

    // Adds a deal's kinds; keys are the holds' CardsKey.
    template <class KindOfHold>
    void Add(int row, const std::array<int, kHoldCount>& keys, const HoldValueSet& values, KindOfHold kindOf) {
        const int begin = static_cast<int>(entries.size());
        std::array<int, 3 * kHoldCount> bestKey{};
        for (int hold = 0; hold < kHoldCount; ++hold) {
          for (const HoldKind& kind : kindOf(hold)) {
            if (kind.shape == HoldShape::Other) continue;
            const int number = kinds.Of(kind);
            auto it = std::find_if(entries.begin() + begin, entries.end(), [&](const Entry& e) { return e.kind == number; });
            if (it == entries.end()) {
                bestKey[entries.size() - begin] = keys[hold];
                entries.push_back({number, hold, values[hold]});
            } else if (keys[hold] > bestKey[it - entries.begin() - begin]) {
                bestKey[it - entries.begin() - begin] = keys[hold];
                *it = {number, hold, values[hold]};
            }
          }
        }
        if (static_cast<int>(rowsWith.size()) < kinds.Count()) rowsWith.resize(kinds.Count());
        for (int i = begin; i < static_cast<int>(entries.size()); ++i) rowsWith[entries[i].kind].push_back(row);
        ranges.push_back({begin, static_cast<int>(entries.size())});
    }
    std::vector<std::pair<int, int>> ranges;  // entries of each row

    // Keeps only the kinds that are a best hold on some deal, and draw five:
    // a chart has no use for the others.
    void KeepUsed(const std::vector<Row>& rows) {
        std::vector<bool> used(kinds.Count(), false);
        used[drawFive] = true;
        for (int row = 0; row < static_cast<int>(rows.size()); ++row)
            for (int i = ranges[row].first; i < ranges[row].second; ++i)
                if (entries[i].value >= rows[row].best - kTie) used[entries[i].kind] = true;
        std::vector<Entry> kept;
        kept.reserve(entries.size());
        rowsWith.assign(kinds.Count(), {});
        for (int row = 0; row < static_cast<int>(rows.size()); ++row) {
            const int begin = static_cast<int>(kept.size());
            for (int i = ranges[row].first; i < ranges[row].second; ++i) {
                if (!used[entries[i].kind]) continue;
                kept.push_back(entries[i]);
                rowsWith[entries[i].kind].push_back(row);
            }
            ranges[row] = {begin, static_cast<int>(kept.size())};
        }
        entries = std::move(kept);
    }
};

struct Table {
    std::vector<Row> rows;
    double totalWeight = 0;
    double perfect = 0;  // weighted sum of the best values
    Grain fine, coarse;
};

Table Build(const Pays& pays) {
    Table table;
    ForEveryHand([&](const Deal& deal) {
        const int weight = DealsRepresented(deal);
        if (weight == 0) return;
        const HoldValueSet values = HoldValues(deal, pays);
        std::array<HoldKind, kHoldCount> kinds;
        std::array<int, kHoldCount> keys;
        for (int hold = 0; hold < kHoldCount; ++hold) {
            kinds[hold] = KindOf(deal, hold);
            keys[hold] = CardsKey(deal, hold);
        }
        const int row = static_cast<int>(table.rows.size());
        const double best = *std::max_element(values.begin(), values.end());
        table.rows.push_back({deal, double(weight), best, 0, 0});
        table.totalWeight += weight;
        table.perfect += weight * best;
        // The basic chart names made hands one by one.
        table.fine.Add(row, keys, values, [&](int hold) {
            if (kinds[hold].shape == HoldShape::MadeHand) return std::array{kinds[hold], kinds[hold], kinds[hold]};
            return std::array{kinds[hold], CoarseKind(kinds[hold]), AnyGapsKind(kinds[hold])};
        });
        table.coarse.Add(row, keys, values, [&](int hold) {
            return std::array{CoarseKind(kinds[hold]), AnyGapsKind(kinds[hold])};
        });
    });
    table.fine.drawFive = table.fine.kinds.Of(HoldKind{});
    table.coarse.drawFive = table.coarse.kinds.Of(HoldKind{});
    table.fine.KeepUsed(table.rows);
    table.coarse.KeepUsed(table.rows);
    return table;
}

// An order of the kinds of a grain; the kinds after draw five are off the chart.
class Order {
public:
    Order(const Table& table, const Grain& grain, std::vector<int> order)
        : table_(table), grain_(grain), order_(std::move(order)), place_(grain.kinds.Count()) {
        Renumber();
    }

    const std::vector<int>& Kinds() const { return order_; }
    int PlaceOf(int kind) const { return place_[kind]; }
    int Lines() const { return place_[grain_.drawFive] + 1; }

    // The entry of a row the order takes.
    const Entry& Pick(int row) const {
        const auto [begin, end] = grain_.ranges[row];
        const Entry* pick = &grain_.entries[begin];
        for (int i = begin + 1; i < end; ++i)
            if (place_[grain_.entries[i].kind] < place_[pick->kind]) pick = &grain_.entries[i];
        return *pick;
    }

    double Return() const {
        double sum = 0;
        for (int row = 0; row < static_cast<int>(table_.rows.size()); ++row)
            sum += table_.rows[row].weight * Pick(row).value;
        return sum / table_.totalWeight;
    }

    // For each place p of the order without `kind`, what putting `kind` at p
    // gains over leaving it out, weighted: it is taken on the deals whose
    // other pick comes at p or later.
    std::vector<double> PlaceGains(int kind) const {
        const int from = place_[kind];
        std::vector<double> at(order_.size(), 0.0);
        for (const int row : grain_.rowsWith[kind]) {
            const auto [begin, end] = grain_.ranges[row];
            int other = static_cast<int>(order_.size());
            double otherValue = 0, own = 0;
            for (int i = begin; i < end; ++i) {
                const Entry& e = grain_.entries[i];
                if (e.kind == kind) own = e.value;
                else if (place_[e.kind] < other) other = place_[e.kind], otherValue = e.value;
            }
            at[other - (other > from)] += table_.rows[row].weight * (own - otherValue);
        }
        for (int p = static_cast<int>(order_.size()) - 2; p >= 0; --p) at[p] += at[p + 1];
        return at;
    }

    // Moves `kind` to the place, at most `limit`, that gains most; returns the gain.
    double MoveBest(int kind, int limit) {
        const int from = place_[kind];
        const std::vector<double> at = PlaceGains(kind);
        double bestGain = at[from];
        int bestPlace = from;
        for (int p = 0; p <= std::min(limit, static_cast<int>(order_.size()) - 1); ++p)
            if (at[p] > bestGain + kTie) bestGain = at[p], bestPlace = p;
        if (bestPlace == from) return 0;
        order_.erase(order_.begin() + from);
        order_.insert(order_.begin() + bestPlace, kind);
        Renumber();
        return bestGain - at[from];
    }

    // Moves kinds until no single move gains.
    void Improve() {
        for (int pass = 0; pass < 50; ++pass) {
            double gained = 0;
            for (int kind = 0; kind < grain_.kinds.Count(); ++kind)
                if (kind != grain_.drawFive) gained += MoveBest(kind, static_cast<int>(order_.size()) - 1);
            if (gained <= kTie * table_.totalWeight) break;
        }
    }

    // Keeps at most `lines` lines, draw five the last: drops the line whose
    // loss is least, one at a time, reordering the rest each time. Then each
    // line that names a broad kind ("3 to a straight flush") is tried out of
    // the chart, its place refilled with the kinds that gain most.
    void ShortenTo(int lines) {
        while (Lines() > lines) DropCheapest();
        Refill(lines, -1);
        for (int place = 0; place + 1 < Lines(); ++place) {
            const int kind = order_[place];
            if (!IsBroad(grain_.kinds.Kind(kind))) continue;
            const std::vector<int> before = order_;
            const double was = Return();
            order_.erase(order_.begin() + place);
            order_.push_back(kind);
            Renumber();
            Refill(lines, kind);
            if (Return() <= was + kTie) {
                order_ = before;
                Renumber();
            }
        }
    }

private:
    static bool IsBroad(const HoldKind& kind) {
        switch (kind.shape) {
        case HoldShape::HighCards: return kind.ranks == 0;
        case HoldShape::ToStraightFlush:
        case HoldShape::ToFlush:
        case HoldShape::ToStraight: return kind.highCards < 0;
        default: return false;
        }
    }

    // Adds the kinds left out (but `barred`) that gain most, each where it
    // gains most, while there is room and they gain.
    void Refill(int lines, int barred) {
        DropCheapest();  // makes room, at least by the lines no deal is handed
        while (Lines() < lines) {
            // Put at place q, a kind left out is taken on the deals whose pick comes at q or later.
            std::vector<double> gain(std::size_t(grain_.kinds.Count()) * Lines(), 0.0);
            for (int row = 0; row < static_cast<int>(table_.rows.size()); ++row) {
                const Entry& pick = Pick(row);
                const auto [begin, end] = grain_.ranges[row];
                for (int i = begin; i < end; ++i) {
                    const Entry& e = grain_.entries[i];
                    if (place_[e.kind] >= Lines() && e.kind != barred)
                        gain[std::size_t(e.kind) * Lines() + place_[pick.kind]] += table_.rows[row].weight * (e.value - pick.value);
                }
            }
            int best = -1;
            double bestGain = kTie * table_.totalWeight;
            for (int kind = 0; kind < grain_.kinds.Count(); ++kind) {
                double suffix = 0;
                for (int q = Lines() - 1; q >= 0; --q) {
                    suffix += gain[std::size_t(kind) * Lines() + q];
                    if (suffix > bestGain) best = kind, bestGain = suffix;
                }
            }
            if (best < 0) break;
            MoveBest(best, Lines() - 1);
            ReorderLines();
        }
    }

    void ReorderLines() {
        for (int pass = 0; pass < 10; ++pass) {
            double gained = 0;
            for (int place = 0; place < Lines(); ++place)
                if (order_[place] != grain_.drawFive) gained += MoveBest(order_[place], Lines() - 2);
            if (gained <= kTie * table_.totalWeight) break;
        }
    }

    // What dropping each line would lose (dropping a deal's pick hands the
    // deal to its next line), and -1 for lines no deal is handed.
    std::vector<double> Losses() const {
        std::vector<double> loss(grain_.kinds.Count(), -1.0);
        const int lines = Lines();
        for (int row = 0; row < static_cast<int>(table_.rows.size()); ++row) {
            const auto [begin, end] = grain_.ranges[row];
            const Entry *first = nullptr, *second = nullptr;
            for (int i = begin; i < end; ++i) {
                const Entry& e = grain_.entries[i];
                if (place_[e.kind] >= lines) continue;
                if (!first || place_[e.kind] < place_[first->kind]) second = first, first = &e;
                else if (!second || place_[e.kind] < place_[second->kind]) second = &e;
            }
            if (!second) continue;
            double& lost = loss[first->kind];
            lost = std::max(lost, 0.0) + table_.rows[row].weight * (first->value - second->value);
        }
        return loss;
    }

    // Drops the lines no deal is handed, or else the one that costs least
    // (never draw five); then reorders the lines left while moves gain.
    void DropCheapest() {
        if (Lines() <= 1) return;
        const std::vector<double> loss = Losses();
        std::vector<int> dropped;
        for (int place = 0; place + 1 < Lines(); ++place)
            if (loss[order_[place]] < 0) dropped.push_back(order_[place]);
        if (dropped.empty()) {
            int cheapest = order_[0];
            for (int place = 0; place + 1 < Lines(); ++place)
                if (loss[order_[place]] < loss[cheapest]) cheapest = order_[place];
            dropped.push_back(cheapest);
        }
        for (const int kind : dropped) {
            order_.erase(std::find(order_.begin(), order_.end(), kind));
            order_.push_back(kind);
        }
        Renumber();
        ReorderLines();
    }

    void Renumber() {
        for (int i = 0; i < static_cast<int>(order_.size()); ++i) place_[order_[i]] = i;
    }

    const Table& table_;
    const Grain& grain_;
    std::vector<int> order_;
    std::vector<int> place_;
};

// A first order: the kinds perfect play holds somewhere, each before the
// kinds it beats on the deals that have both (added one at a time, each put
// as high as the ones above it allow), then draw five, then the rest.
std::vector<int> FirstOrder(const Table& table, const Grain& grain) {
    const int count = grain.kinds.Count();
    std::vector<double> beats(std::size_t(count) * count, 0.0);  // [a * count + b]: a's value less b's, summed
    std::vector<bool> used(count, false);
    for (int row = 0; row < static_cast<int>(table.rows.size()); ++row) {
        const auto [begin, end] = grain.ranges[row];
        const double weight = table.rows[row].weight;
        for (int i = begin; i < end; ++i) {
            const Entry& a = grain.entries[i];
            if (a.value >= table.rows[row].best - kTie) used[a.kind] = true;
            for (int j = begin; j < end; ++j) beats[a.kind * count + grain.entries[j].kind] += weight * (a.value - grain.entries[j].value);
        }
    }
    std::vector<int> order;
    for (int kind = 0; kind < count; ++kind) {
        if (!used[kind] || kind == grain.drawFive) continue;
        auto place = order.end();
        while (place != order.begin() && beats[kind * count + *(place - 1)] > 0) --place;
        order.insert(place, kind);
    }
    order.push_back(grain.drawFive);
    for (int kind = 0; kind < count; ++kind)
        if (!used[kind] && kind != grain.drawFive) order.push_back(kind);
    return order;
}

// The chart's lines, with how often perfect play holds each line's kind (the
// first line that names one of the deal's best holds) and their average value.
Chart MakeChart(ChartType type, const Table& table, const Grain& grain, const Order& order) {
    Chart chart;
    chart.type = type;
    chart.lines.resize(order.Lines());
    for (int line = 0; line < order.Lines(); ++line) chart.lines[line].kind = grain.kinds.Kind(order.Kinds()[line]);
    std::vector<double> weight(order.Lines(), 0.0), value(order.Lines(), 0.0);
    for (int row = 0; row < static_cast<int>(table.rows.size()); ++row) {
        const Row& r = table.rows[row];
        int first = order.Lines();
        for (int i = grain.ranges[row].first; i < grain.ranges[row].second; ++i) {
            const Entry& e = grain.entries[i];
            if (e.value >= r.best - kTie) first = std::min(first, order.PlaceOf(e.kind));
        }
        if (first == order.Lines()) continue;
        weight[first] += r.weight;
        value[first] += r.weight * r.best;
    }
    for (int line = 0; line < order.Lines(); ++line) {
        chart.lines[line].frequency = weight[line] / table.totalWeight;
        chart.lines[line].value = weight[line] > 0 ? value[line] / weight[line] : 0;
    }
    chart.expectedReturn = order.Return();
    chart.perfectReturn = table.perfect / table.totalWeight;
    return chart;
}

// The exceptions of the exact chart. Each deal the basic chart plays short of
// perfect is put with its line and the first kind down the chart (or left
// out of it) that plays it perfectly. For each such line and kind, the
// exception's condition is built from penalty cards, one at a time, until
// it holds on no deal where that kind is not a best hold; such conditions
// are added until they cover every deal of the pair.
class ExceptionFinder {
public:
    ExceptionFinder(const Table& table, const Grain& grain, const Order& order)
        : table_(table), grain_(grain), order_(order) {
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
        std::vector<std::vector<int>> rowsOnLine(order_.Lines());
        std::vector<std::pair<int, int>> pairs;  // line place, kind played instead
        for (int row = 0; row < rows; ++row) {
            pick[row] = &order_.Pick(row);
            rowsOnLine[order_.PlaceOf(pick[row]->kind)].push_back(row);
            const double best = table_.rows[row].best;
            if (pick[row]->value >= best - kTie) continue;
            const Entry* instead = nullptr;
            for (int i = grain_.ranges[row].first; i < grain_.ranges[row].second; ++i) {
                const Entry& e = grain_.entries[i];
                if (e.value >= best - kTie && (!instead || order_.PlaceOf(e.kind) < order_.PlaceOf(instead->kind)))
                    instead = &e;
            }
            if (instead) pairs.push_back({order_.PlaceOf(pick[row]->kind), instead->kind});
        }
        std::sort(pairs.begin(), pairs.end());
        pairs.erase(std::unique(pairs.begin(), pairs.end()), pairs.end());
        std::vector<std::vector<int>> kinds(order_.Lines());  // of each line's exceptions
        for (const auto& [line, kind] : pairs) {
            Cover(chart.lines[line], rowsOnLine[line], pick, kind);
            kinds[line].resize(chart.lines[line].exceptions.size(), kind);
        }
        // The chart's return: each deal played by the first exception of its line that applies, else by the line.
        double sum = 0;
        for (int row = 0; row < rows; ++row) {
            const int line = order_.PlaceOf(pick[row]->kind);
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
    const Order& order_;
    std::vector<PenaltyCard> literals_;
};

}  // namespace

Charts DeriveCharts(const Pays& pays) {
    const Table table = Build(pays);
    Charts charts;

    Order basic(table, table.fine, FirstOrder(table, table.fine));
    basic.Improve();
    basic.ShortenTo(40);
    charts.basic = MakeChart(ChartType::Basic, table, table.fine, basic);

    charts.exact = charts.basic;
    charts.exact.type = ChartType::Exact;
    ExceptionFinder(table, table.fine, basic).AddTo(charts.exact);

    Order beginner(table, table.coarse, FirstOrder(table, table.coarse));
    beginner.Improve();
    beginner.ShortenTo(10);
    charts.beginner = MakeChart(ChartType::Beginner, table, table.coarse, beginner);
    return charts;
}

}  // namespace velmora::strategy
