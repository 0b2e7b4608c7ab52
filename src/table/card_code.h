#pragma once

#include <cstdint>

namespace velmora {

// A card is a code 1..52. Codes 1-13, 14-26, 27-39 and 40-52 are the four
// suit blocks; within a block the ranks run Ace (1), 2..10, Jack (11),
// Queen (12), King (13).
inline constexpr int kCardCount = 52;

constexpr bool IsCardCode(int code) { return code >= 1 && code <= kCardCount; }
constexpr int RankOf(int code) { return (code - 1) % 13 + 1; }
constexpr int BlockOf(int code) { return (code - 1) / 13 + 1; }
constexpr int CardCode(int block, int rank) { return 13 * (block - 1) + rank; }

inline constexpr int kAce = 1;
inline constexpr int kTen = 10;
inline constexpr int kJack = 11;
inline constexpr int kQueen = 12;
inline constexpr int kKing = 13;

}  // namespace velmora
