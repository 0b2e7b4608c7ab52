#include "strategy/subset_counts.h"

#include <cassert>

namespace velmora::strategy {
namespace {

constexpr int kCards = 52;

constexpr auto kChoose = [] {
    std::array<std::array<std::int64_t, 6>, kCards + 1> c{};
    for (int n = 0; n <= kCards; ++n) {
        c[n][0] = 1;
        for (int k = 1; k <= 5 && k <= n; ++k) c[n][k] = c[n - 1][k - 1] + c[n - 1][k];
    }
    return c;
}();

// The place of a set in the colexicographic order of the sets of its size:
// sum of C(cards[i], i + 1) over the cards in increasing order.
std::size_t Rank(const int* cards, int size) {
    std::int64_t rank = 0;
    for (int i = 0; i < size; ++i) rank += kChoose[cards[i]][i + 1];
    return static_cast<std::size_t>(rank);
}

// Steps through the sets of `size` cards in colexicographic order, so the
// n-th set visited has rank n. Returns false after the last one.
bool NextSet(int* cards, int size) {
    for (int i = 0; i < size; ++i) {
        const int limit = i + 1 < size ? cards[i + 1] : kCards;
        if (cards[i] + 1 < limit) {
            ++cards[i];
            for (int j = 0; j < i; ++j) cards[j] = j;
            return true;
        }
    }
    return false;
}

// Calls visit(rank, cards) for every set of `size` cards, in rank order.
template <class Visit>
void ForEverySet(int size, Visit&& visit) {
    int cards[5];
    for (int i = 0; i < size; ++i) cards[i] = i;
    std::size_t rank = 0;
    do visit(rank++, cards);
    while (NextSet(cards, size));
}

// Adds `counts` to each of the sets that leave one card out of `cards`.
void AddToSubsets(const int* cards, int size, const SubsetCounts::Counts& counts,
                  std::vector<SubsetCounts::Counts>& smaller) {
    int rest[5];
    for (int out = 0; out < size; ++out) {
        for (int i = 0, j = 0; i < size; ++i)
            if (i != out) rest[j++] = cards[i];
        SubsetCounts::Counts& target = smaller[Rank(rest, size - 1)];
        for (int c = 0; c < kHandClassCount; ++c) target[c] += counts[c];
    }
}

}  // namespace

std::int64_t Choose(int n, int k) { return kChoose[n][k]; }

SubsetCounts::SubsetCounts() {
    for (int size = 0; size <= kLargestSet; ++size) bySize_[size].assign(kChoose[kCards][size], Counts{});

    // Each hand adds one to its class in each of its five four-card sets.
    ForEverySet(5, [&](std::size_t, const int* cards) {
        const std::array<int, 5> codes{cards[0] + 1, cards[1] + 1, cards[2] + 1, cards[3] + 1, cards[4] + 1};
        Counts one{};
        one[Index(ClassOf(codes))] = 1;
        AddToSubsets(cards, 5, one, bySize_[4]);
    });
    // A hand holding a set of k cards holds 5 - k of its sets of k + 1 cards,
    // so summing the counts of those larger sets counts it 5 - k times.
    for (int size = kLargestSet - 1; size >= 0; --size) {
        ForEverySet(size + 1, [&](std::size_t rank, const int* cards) {
            AddToSubsets(cards, size + 1, bySize_[size + 1][rank], bySize_[size]);
        });
        for (Counts& counts : bySize_[size])
            for (std::uint32_t& n : counts) n /= static_cast<std::uint32_t>(5 - size);
    }
}

const SubsetCounts::Counts& SubsetCounts::Containing(const int* cards, int size) const {
    assert(size >= 0 && size <= kLargestSet);
    return bySize_[size][Rank(cards, size)];
}

std::size_t SubsetCounts::Bytes() const {
    std::size_t bytes = 0;
    for (const auto& sets : bySize_) bytes += sets.size() * sizeof(Counts);
    return bytes;
}

const SubsetCounts& SharedSubsetCounts() {
    static const SubsetCounts shared;
    return shared;
}

}  // namespace velmora::strategy
