#include "table/control_table.h"

#include <cassert>

namespace velmora {

const ButtonEntry* ButtonNamed(std::string_view name) {
    for (const ButtonEntry& button : kButtons)
        if (button.name == name) return &button;
    return nullptr;
}

const ButtonEntry& EntryOf(Button PokerState::*member) {
    for (const ButtonEntry& button : kButtons)
        if (button.member == member) return button;
    assert(!"every button of the table has an entry");
    return kButtons[0];
}

std::string PayLineCaption(const PayLineEntry& line) {
    const std::string points = std::to_string(line.points);
    std::string caption(line.hand);
    caption.append(19 - caption.size() - points.size(), ' ');
    return caption + points;
}

}  // namespace velmora
