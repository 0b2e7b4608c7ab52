#include "card_notation.h"

#include <array>
#include <cstdint>

#include "replay_driver.h"
#include "table/card_code.h"

namespace velmora::strategy_tool {
namespace {

constexpr std::string_view kRanks = "A23456789TJQK";  // rank 1 (the Ace) to 13 (the King)
constexpr std::string_view kSuits = "cdhs";           // suit blocks 1 to 4

// Every card's two letters, codes 1..52 at 2 * (code - 1).
constexpr std::array<char, 104> kNames = [] {
    std::array<char, 104> names{};
    for (int code = 1; code <= kCardCount; ++code) {
        names[2 * (code - 1)] = kRanks[RankOf(code) - 1];
        names[2 * (code - 1) + 1] = kSuits[BlockOf(code) - 1];
    }
    return names;
}();

constexpr bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\v' || c == '\f'; }

}  // namespace

std::string_view CardName(int code) { return {kNames.data() + 2 * (code - 1), 2}; }

int CardCode(std::string_view word) {
    if (word.size() != 2) return 0;
    const std::size_t rank = kRanks.find(word[0]);
    const std::size_t block = kSuits.find(word[1]);
    if (rank == std::string_view::npos || block == std::string_view::npos) return 0;
    return velmora::CardCode(int(block) + 1, int(rank) + 1);
}

std::optional<std::string> ParseDeal(std::string_view line, strategy::Deal& deal) {
    std::uint64_t seen = 0;
    int cards = 0;
    for (std::size_t at = 0; at < line.size();) {
        if (IsBlank(line[at])) {
            ++at;
            continue;
        }
        std::size_t end = at;
        while (end < line.size() && !IsBlank(line[end])) ++end;
        const std::string_view word = line.substr(at, end - at);
        at = end;
        const int code = CardCode(word);
        if (code == 0)
            return "bad card " + replay::Quoted(word) +
                   ": a card is a rank (2-9, T, J, Q, K, A) and a suit (c, d, h, s), as in 'As'";
        const std::uint64_t bit = std::uint64_t{1} << code;
        if (seen & bit) return "the card " + replay::Quoted(word) + " is there twice";
        seen |= bit;
        if (cards < 5) deal[cards] = code;
        ++cards;
    }
    if (cards != 5) return "a deal is 5 cards, not " + std::to_string(cards);
    return std::nullopt;
}

}  // namespace velmora::strategy_tool
