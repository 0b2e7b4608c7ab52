#include "strategy/chart_deals.h"

#include <algorithm>
#include <array>

#include "strategy/chart_reading.h"
#include "strategy/perfect_play.h"
#include "table/every_hand.h"

namespace velmora::strategy::charting {
namespace {

std::uint32_t Pack(const HoldKind& kind) {
    return static_cast<std::uint32_t>(kind.shape) | static_cast<std::uint32_t>(kind.made) << 4 |
           static_cast<std::uint32_t>(kind.cards) << 8 | static_cast<std::uint32_t>(kind.gaps) << 11 |
           static_cast<std::uint32_t>(kind.highCards + 1) << 13 | kind.ranks << 16 |
           static_cast<std::uint32_t>(kind.suited) << 30;
}

// Adds a deal's kinds to a grain, each with the hold of the higher cards
// (keys are the holds' CardsKey). `kindsOf(hold)` gives the kinds a hold
// counts for at this grain.
template <class KindsOfHold>
void AddKinds(Grain& grain, const std::array<int, kHoldCount>& keys, const HoldValueSet& values, KindsOfHold kindsOf) {
    const int begin = static_cast<int>(grain.entries.size());
    std::vector<int> entryKeys;
    for (int hold = 0; hold < kHoldCount; ++hold) {
        for (const HoldKind& kind : kindsOf(hold)) {
            if (kind.shape == HoldShape::Other) continue;
            const int number = grain.kinds.Of(kind);
            const auto it = std::find_if(grain.entries.begin() + begin, grain.entries.end(),
                                         [&](const Entry& e) { return e.kind == number; });
            if (it == grain.entries.end()) {
                entryKeys.push_back(keys[hold]);
                grain.entries.push_back({number, hold, values[hold]});
            } else if (int& key = entryKeys[it - grain.entries.begin() - begin]; keys[hold] > key) {
                key = keys[hold];
                *it = {number, hold, values[hold]};
            }
        }
    }
    grain.ranges.push_back({begin, static_cast<int>(grain.entries.size())});
}

}  // namespace

int KindNumbers::Of(const HoldKind& kind) {
    const auto [it, added] = numbers_.try_emplace(Pack(kind), static_cast<int>(kinds_.size()));
    if (added) kinds_.push_back(kind);
    return it->second;
}

void Grain::KeepUsed(const std::vector<Row>& rows) {
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
            rowsWith[entries[i].kind].push_back({row, static_cast<int>(kept.size()) - 1});
        }
        ranges[row] = {begin, static_cast<int>(kept.size())};
    }
    entries = std::move(kept);
}

Table TabulateDeals(const Pays& pays) {
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
        const double best = *std::max_element(values.begin(), values.end());
        table.rows.push_back({deal, double(weight), best});
        table.totalWeight += weight;
        table.perfect += weight * best;
        // The basic chart names made hands one by one.
        AddKinds(table.fine, keys, values, [&](int hold) {
            if (kinds[hold].shape == HoldShape::MadeHand) return std::array{kinds[hold], kinds[hold], kinds[hold]};
            return std::array{kinds[hold], CoarseKind(kinds[hold]), AnyGapsKind(kinds[hold])};
        });
        AddKinds(table.coarse, keys, values, [&](int hold) {
            return std::array{CoarseKind(kinds[hold]), AnyGapsKind(kinds[hold])};
        });
    });
    table.fine.drawFive = table.fine.kinds.Of(HoldKind{});
    table.coarse.drawFive = table.coarse.kinds.Of(HoldKind{});
    table.fine.KeepUsed(table.rows);
    table.coarse.KeepUsed(table.rows);
    return table;
}

}  // namespace velmora::strategy::charting
