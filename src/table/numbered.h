#pragma once

#include <array>
#include <cassert>
#include <cstddef>

namespace velmora {

// A fixed family of N values numbered 1 to N, the way the game numbers its
// slots, ranks and suit blocks.
template <class T, int N>
class Numbered {
public:
    static constexpr int kSize = N;

    constexpr T& operator[](int number) {
        assert(number >= 1 && number <= N);
        return values_[static_cast<std::size_t>(number - 1)];
    }
    constexpr const T& operator[](int number) const {
        assert(number >= 1 && number <= N);
        return values_[static_cast<std::size_t>(number - 1)];
    }
    constexpr auto begin() { return values_.begin(); }
    constexpr auto end() { return values_.end(); }
    constexpr auto begin() const { return values_.begin(); }
    constexpr auto end() const { return values_.end(); }
    constexpr void fill(const T& value) { values_.fill(value); }
    friend constexpr bool operator==(const Numbered&, const Numbered&) = default;

private:
    std::array<T, static_cast<std::size_t>(N)> values_{};
};

// The five places on the table, numbered 1 to 5 from the left.
inline constexpr int kSlotCount = 5;
template <class T>
using Slots = Numbered<T, kSlotCount>;

}  // namespace velmora
