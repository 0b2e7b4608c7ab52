#include <charconv>
#include <set>
#include <string>

#include "replay_driver.h"
#include "strategy/hold_values.h"
#include "strategy/pays.h"
#include "strategy/table_draw.h"
#include "table/card_code.h"

namespace velmora::replay {

std::optional<std::string> AdviceJson(const PokerState& form, AdviceDraw draw) {
    strategy::Deal deal{};
    std::set<int> codes;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        deal[static_cast<std::size_t>(slot - 1)] = form.Card[slot];
        codes.insert(form.Card[slot]);
        if (!IsCardCode(form.Card[slot])) return std::nullopt;
    }
    if (codes.size() != kSlotCount) return std::nullopt;

    strategy::PreviousCards previous{};
    for (int slot = 1; slot <= kSlotCount; ++slot) previous[static_cast<std::size_t>(slot - 1)] = form.OldCard[slot];
    const bool deck = draw == AdviceDraw::Deck;
    const strategy::HoldValueSet values = deck ? strategy::HoldValues(deal, strategy::GamePays())
                                               : strategy::TableHoldValues(deal, previous, strategy::GamePays());
    std::string json = "{\"cards\":[";
    for (int slot = 1; slot <= kSlotCount; ++slot) json += (slot > 1 ? "," : "") + std::to_string(form.Card[slot]);
    json += std::string("],\"draw\":\"") + (deck ? "deck" : "table") + "\",\"ev\":[";
    for (int hold = 0; hold < strategy::kHoldCount; ++hold) {
        // The shortest decimal that reads back as the same double: every
        // digit the value has, and "0" for nothing.
        char number[32];
        const auto end = std::to_chars(number, number + sizeof number, values[static_cast<std::size_t>(hold)]).ptr;
        json += (hold > 0 ? "," : "") + std::string(number, end);
    }
    json += "],\"best\":" + std::to_string(strategy::BestHold(values)) + "}";
    return json;
}

}  // namespace velmora::replay
