#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

#include "strategy/hand_class.h"

namespace velmora::strategy {

// For every set of at most four of the 52 cards, how many of the 2,598,960
// five-card hands of each class contain it: 294,204 sets of ten counts,
// 11.2 MiB. Cards here are indices 0..51 (the card code less one).
class SubsetCounts {
public:
    using Counts = PerClass<std::uint32_t>;
    static constexpr int kLargestSet = 4;

    // Builds the whole table: every hand is classified once.
    SubsetCounts();

    // The counts for `size` (0..4) cards, given in increasing order.
    const Counts& Containing(const int* cards, int size) const;

    std::size_t Bytes() const;

private:
    std::array<std::vector<Counts>, kLargestSet + 1> bySize_;
};

// The one table the program shares, built on first use (thread-safe).
const SubsetCounts& SharedSubsetCounts();

// C(n, k) for 0 <= n <= 52, 0 <= k <= 5.
std::int64_t Choose(int n, int k);

}  // namespace velmora::strategy
