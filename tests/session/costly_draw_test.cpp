// When a press waits for the player's answer: only a draw, with the warning
// on, while the dealt hand waits for it, from a hold that gives up value.
#include <gtest/gtest.h>

#include "session/costly_draw.h"
#include "session/table_reading.h"

namespace velmora::session {
namespace {

TEST(CostlyDraw, OnlyADrawFromACostlyHoldWithTheWarningOnAsks) {
    ClockSeededGenerator fallback{9};
    ScriptedRandom random{fallback};
    for (const int code : {11, 5, 48, 24, 41}) random.Queue((code - 0.5f) / 52);  // J♣ 5♣ 9♠ J♦ 2♠
    Poker game(random);
    game.Click(EntryOf(&PokerState::Deal1));
    game.AdvanceTo(500);
    const Poker dealing = game;
    game.AdvanceTo(1250);
    const Poker best = game;  // the game holds the Jacks
    const HoldAdvice advice = Advise(DealOf(game), PreviousOf(game));
    game.ClickLabel(1);  // and lets the Jack of Clubs go
    ASSERT_EQ(std::pair(HoldOf(best), HoldOf(game)), std::pair(0b01001, 0b01000));
    struct Case { const Poker& table; Button PokerState::*pressed; bool warningOn; const HoldAdvice* advice; bool asks; };
    const Case cases[] = {
        {game, &PokerState::Deal2, true, &advice, true},   {game, &PokerState::Deal2, false, &advice, false},
        {game, &PokerState::Deal1, true, &advice, false},  {game, &PokerState::Deal2, true, nullptr, false},  // no hand
        {best, &PokerState::Deal2, true, &advice, false},  {dealing, &PokerState::Deal2, true, &advice, false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(AsksBeforeDraw(c.table, EntryOf(c.pressed), c.warningOn, [&] { return c.advice; }), c.asks)
            << &c - cases;
}

}  // namespace
}  // namespace velmora::session
