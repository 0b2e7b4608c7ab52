// Working out the charts. A chart's return is, over the deals, the value of
// the kind that comes first in its order, and an order is improved by moving
// one kind at a time to the place that gains the most (all places of a kind
// are weighed in one pass over the deals that have it).
#include <algorithm>
#include <numeric>

#include "strategy/chart.h"
#include "strategy/chart_deals.h"
#include "strategy/chart_exceptions.h"

namespace velmora::strategy {
namespace {

using namespace charting;

// An order of the kinds of a grain; the kinds after draw five are off the
// chart. Each row keeps the entries the order takes first and second.
class Order {
public:
    Order(const Table& table, const Grain& grain, std::vector<int> order)
        : table_(table), grain_(grain), order_(std::move(order)), place_(grain.kinds.Count()),
          first_(table.rows.size()), second_(table.rows.size()) {
        Renumber();
    }

    const std::vector<int>& Kinds() const { return order_; }
    int PlaceOf(int kind) const { return place_[kind]; }
    const std::vector<int>& Places() const { return place_; }
    int Lines() const { return place_[grain_.drawFive] + 1; }

    // The entry of a row the order takes.
    const Entry& Pick(int row) const { return grain_.entries[first_[row]]; }

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
        for (const auto [row, entry] : grain_.rowsWith[kind]) {
            const Entry& other = grain_.entries[first_[row] == entry ? second_[row] : first_[row]];
            const int place = place_[other.kind];
            at[place - (place > from)] += table_.rows[row].weight * (grain_.entries[entry].value - other.value);
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
        Renumber({kind});
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
            Renumber({kind});
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
    // deal to its next line; every deal has draw five, on the chart), and -1
    // for lines no deal is handed.
    std::vector<double> Losses() const {
        std::vector<double> loss(grain_.kinds.Count(), -1.0);
        for (int row = 0; row < static_cast<int>(table_.rows.size()); ++row) {
            const Entry& first = grain_.entries[first_[row]];
            if (first.kind == grain_.drawFive) continue;
            double& lost = loss[first.kind];
            lost = std::max(lost, 0.0) + table_.rows[row].weight * (first.value - grain_.entries[second_[row]].value);
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
        Renumber(dropped);
        ReorderLines();
    }

    // Places the kinds as the order stands, and finds again the first and
    // second entries of the rows that have one of `moved` (of all rows when
    // `moved` is empty): the others keep theirs, as the order of the kinds
    // they have did not change.
    void Renumber(const std::vector<int>& moved = {}) {
        for (int i = 0; i < static_cast<int>(order_.size()); ++i) place_[order_[i]] = i;
        if (moved.empty()) {
            for (int row = 0; row < static_cast<int>(table_.rows.size()); ++row) FindPicks(row);
            return;
        }
        for (const int kind : moved)
            for (const auto [row, entry] : grain_.rowsWith[kind]) FindPicks(row);
    }

    void FindPicks(int row) {
        const auto [begin, end] = grain_.ranges[row];
        int first = -1, second = -1;
        for (int i = begin; i < end; ++i) {
            const int place = place_[grain_.entries[i].kind];
            if (first < 0 || place < place_[grain_.entries[first].kind]) second = first, first = i;
            else if (second < 0 || place < place_[grain_.entries[second].kind]) second = i;
        }
        first_[row] = first;
        second_[row] = second < 0 ? first : second;
    }

    const Table& table_;
    const Grain& grain_;
    std::vector<int> order_;
    std::vector<int> place_;
    std::vector<int> first_, second_;  // by row, entry indices
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

}  // namespace

Charts DeriveCharts(const Pays& pays) {
    const Table table = TabulateDeals(pays);
    Charts charts;

    Order basic(table, table.fine, FirstOrder(table, table.fine));
    basic.Improve();
    basic.ShortenTo(40);
    charts.basic = MakeChart(ChartType::Basic, table, table.fine, basic);

    charts.exact = charts.basic;
    charts.exact.type = ChartType::Exact;
    AddExceptions(table, table.fine, basic.Places(), charts.exact);

    Order beginner(table, table.coarse, FirstOrder(table, table.coarse));
    beginner.Improve();
    beginner.ShortenTo(10);
    charts.beginner = MakeChart(ChartType::Beginner, table, table.coarse, beginner);
    return charts;
}

}  // namespace velmora::strategy
