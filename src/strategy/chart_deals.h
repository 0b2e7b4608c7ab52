#pragma once

#include <cstdint>
#include <unordered_map>
#include <utility>
#include <vector>

#include "strategy/hold_kind.h"
#include "strategy/pays.h"

// The deals as the chart search sees them: every suit class of deals, valued
// once, with each kind it has, the hold a chart takes for that kind (the
// higher cards) and that hold's value.
namespace velmora::strategy::charting {

// Values this close count as equal.
inline constexpr double kTie = 1e-9;

// The kinds met so far, numbered from 0.
class KindNumbers {
public:
    int Of(const HoldKind& kind);
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

// A suit class of deals: one of them, how many it stands for and the value
// of its best hold.
struct Row {
    Deal deal;
    double weight;
    double best;
};

// The deals and their kinds at one grain: fine and coarse kinds, or coarse only.
struct Grain {
    KindNumbers kinds;
    std::vector<Entry> entries;
    std::vector<std::pair<int, int>> ranges;  // each row's entries, [first, second)
    // By kind, the rows that have it and its entry there.
    struct Holding {
        int row;
        int entry;
    };
    std::vector<std::vector<Holding>> rowsWith;
    int drawFive = -1;

    // Keeps only the kinds that are a best hold on some deal, and draw five:
    // a chart has no use for the others.
    void KeepUsed(const std::vector<Row>& rows);
};

struct Table {
    std::vector<Row> rows;
    double totalWeight = 0;
    double perfect = 0;  // weighted sum of the best values
    Grain fine, coarse;
};

// Values every suit class of deals under `pays` and notes its kinds.
Table TabulateDeals(const Pays& pays);

}  // namespace velmora::strategy::charting
