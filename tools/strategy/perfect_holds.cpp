#include "perfect_holds.h"

#include "suit_class.h"

namespace velmora::strategy_tool {

int PerfectHolds::BestHold(const strategy::Deal& deal) {
    const SuitClass suitClass = SuitClassOf(deal);
    auto found = values_.find(suitClass.key);
    if (found == values_.end())
        found = values_.emplace(suitClass.key, strategy::HoldValues(suitClass.representative, pays_)).first;
    strategy::HoldValueSet values;
    for (int hold = 0; hold < strategy::kHoldCount; ++hold)
        values[hold] = found->second[suitClass.ToRepresentative(hold)];
    return strategy::BestHold(values);
}

}  // namespace velmora::strategy_tool
