#pragma once

#include <array>
#include <utility>

namespace velmora {

// Calls visit(hand) for every one of the 2,598,960 five-card hands, each
// once, as card codes in ascending order.
template <class Visit>
void ForEveryHand(Visit&& visit) {
    std::array<int, 5> h{};
    for (h[0] = 1; h[0] <= 48; ++h[0])
        for (h[1] = h[0] + 1; h[1] <= 49; ++h[1])
            for (h[2] = h[1] + 1; h[2] <= 50; ++h[2])
                for (h[3] = h[2] + 1; h[3] <= 51; ++h[3])
                    for (h[4] = h[3] + 1; h[4] <= 52; ++h[4]) visit(std::as_const(h));
}

}  // namespace velmora
