#include "strategy/hold_values.h"

#include <algorithm>
#include <bit>
#include <stdexcept>

#include "strategy/subset_counts.h"
#include "table/card_code.h"

// A hold's final hands are the hands that contain the held cards and none of
// the others dealt. The table gives, for a set A of dealt cards, the hands
// that contain A, whatever else of the deal they hold; by inclusion and
// exclusion over the dealt cards the hold H keeps
//   N(H) = sum over A, H <= A <= deal, of (-1)^(|A|-|H|) C(A).

namespace velmora::strategy {
namespace {

constexpr int kUnseen = 47;

// Every subset of the deal: its cards as indices in increasing order and the
// hold number that keeps exactly them.
struct DealSubsets {
    struct Subset {
        std::array<int, 5> cards;
        int size;
    };
    std::array<Subset, kHoldCount> byHold;
    HandClass dealt;
};

DealSubsets SubsetsOf(const Deal& deal) {
    for (int i = 0; i < 5; ++i) {
        if (!IsCardCode(deal[i])) throw std::invalid_argument("not a card code");
        for (int j = 0; j < i; ++j)
            if (deal[i] == deal[j]) throw std::invalid_argument("a card dealt twice");
    }
    std::array<int, 5> order{0, 1, 2, 3, 4};  // slots by card
    std::sort(order.begin(), order.end(), [&](int a, int b) { return deal[a] < deal[b]; });
    DealSubsets subsets{};
    for (int hold = 0; hold < kHoldCount; ++hold) {
        auto& subset = subsets.byHold[hold];
        for (const int slot : order)
            if ((hold >> slot) & 1) subset.cards[subset.size++] = deal[slot] - 1;
    }
    subsets.dealt = ClassOf(deal);
    return subsets;
}

// The class counts of the hands that contain the subset of a hold.
SubsetCounts::Counts Containing(const DealSubsets& subsets, int hold) {
    const auto& subset = subsets.byHold[hold];
    if (subset.size == 5) {
        SubsetCounts::Counts one{};
        one[Index(subsets.dealt)] = 1;
        return one;
    }
    return SharedSubsetCounts().Containing(subset.cards.data(), subset.size);
}

}  // namespace

HoldValueSet HoldValues(const Deal& deal, const Pays& pays) {
    const DealSubsets subsets = SubsetsOf(deal);
    std::array<std::int64_t, kHoldCount> paid{};  // total pay of the hands containing each subset
    for (int hold = 0; hold < kHoldCount; ++hold) {
        const SubsetCounts::Counts counts = Containing(subsets, hold);
        for (int c = 0; c < kHandClassCount; ++c) paid[hold] += std::int64_t{pays.credits[c]} * counts[c];
    }
    // The inclusion-exclusion for all holds at once, one dealt card at a time.
    for (int bit = 1; bit < kHoldCount; bit <<= 1)
        for (int hold = 0; hold < kHoldCount; ++hold)
            if (!(hold & bit)) paid[hold] -= paid[hold | bit];

    HoldValueSet values;
    for (int hold = 0; hold < kHoldCount; ++hold) {
        const std::int64_t draws = Choose(kUnseen, 5 - std::popcount(unsigned(hold)));
        values[hold] = static_cast<double>(paid[hold]) / static_cast<double>(draws);
    }
    return values;
}

int BestHold(const HoldValueSet& values) {
    const double top = *std::max_element(values.begin(), values.end());
    int best = -1;
    for (int hold = 0; hold < kHoldCount; ++hold) {
        if (values[hold] < top - 1e-9) continue;
        if (best < 0 || std::popcount(unsigned(hold)) > std::popcount(unsigned(best))) best = hold;
    }
    return best;
}

PerClass<std::int64_t> FinalHandCounts(const Deal& deal, int hold) {
    if (hold < 0 || hold >= kHoldCount) throw std::invalid_argument("not a hold number");
    const DealSubsets subsets = SubsetsOf(deal);
    PerClass<std::int64_t> finals{};
    for (int more = hold; more < kHoldCount; more = (more + 1) | hold) {  // every superset of the hold
        const SubsetCounts::Counts counts = Containing(subsets, more);
        const int sign = std::popcount(unsigned(more ^ hold)) % 2 ? -1 : 1;
        for (int c = 0; c < kHandClassCount; ++c) finals[c] += sign * std::int64_t{counts[c]};
    }
    return finals;
}

void WarmUp() { SharedSubsetCounts(); }

}  // namespace velmora::strategy
