#include "session/costly_draw.h"

#include "session/table_reading.h"

namespace velmora::session {

bool AsksBeforeDraw(const Poker& game, const ButtonEntry& pressed, bool warningOn, const AdviceOnDeal& advice) {
    if (pressed.member != &PokerState::Deal2 || !warningOn || PhaseOf(game) != HandPhase::Holding) return false;
    const HoldAdvice* onDeal = advice();
    return onDeal && onDeal->IsMistake(HoldOf(game));
}

}  // namespace velmora::session
