#include <array>

#include "payout/win_message.h"
#include "table/card_code.h"
#include "table/control_table.h"
#include "table/poker.h"

// The big-or-small side game. Slot DoubleStep holds the reference card, the
// guess turns up the next slot. The hidden card is weighted against the
// player: a card that would make the guess right is drawn again unless a roll
// of 1..100 reaches the step's threshold, which rises from card to card.

namespace velmora {
namespace {

constexpr std::array<int, 4> kStandingRoll = {84, 88, 92, 96};  // for DoubleStep 1..4
// The next doubling of a win above this would pass what WinAmount can hold.
constexpr int kLastDoublableWin = 16383;

bool Beats(Guess guess, int hidden, int reference) {
    return guess == Guess::Big ? hidden > reference : hidden < reference;
}

}  // namespace

void Poker::DoubleB_Click() {
    Take.Visible = false;
    DoubleB.Visible = false;
    Small.Visible = true;
    Big.Visible = true;
    DrawCard(1);
    Picture[1].Frame = Card[1];
    for (int slot = 2; slot <= kSlotCount; ++slot) Picture[slot].Frame = kCardBack;
    DoubleStep = 1;
}

void Poker::Big_Click() { Guess_Click(Guess::Big); }

void Poker::Small_Click() { Guess_Click(Guess::Small); }

void Poker::Guess_Click(Guess guess) {
    // The player guesses against the card shown: a carry-over still waiting
    // for its tick is done now.
    if (Timers.Enabled(kCarryOverTimer)) Timer7_Timer();
    Take.Visible = true;
    const int step = DoubleStep;
    if (step < 1 || step > 4) return;
    const int reference = step;
    const int hidden = step + 1;

    for (;;) {
        DrawCard(hidden);
        RankCards();
        if (OldCard[reference] == kAce) break;
        DoubleRoll = static_cast<std::int16_t>(ScaleRoll(Roll(), 100));
        if (DoubleRoll >= kStandingRoll[static_cast<std::size_t>(step - 1)]) break;
        if (!Beats(guess, OldCard[hidden], OldCard[reference])) break;
    }
    Picture[hidden].Frame = Card[hidden];

    const bool right = OldCard[hidden] == kAce || OldCard[reference] == kAce ||
                       Beats(guess, OldCard[hidden], OldCard[reference]);
    if (!right) return DoubleLost();
    if (step < 4) {
        DoubleStep = static_cast<std::int16_t>(step + 1);
        DoubleWin();
    } else {
        DoubleStep = 1;
        DoubleWin();
        Card[1] = Card[5];
        Timers.SetEnabled(kCarryOverTimer, true);
    }
    if (WinAmount > kLastDoublableWin) {
        Big.Visible = false;
        Small.Visible = false;
    }
}

void Poker::RankCards() {
    for (int slot = 1; slot <= kSlotCount; ++slot)
        if (IsCardCode(Card[slot])) OldCard[slot] = static_cast<std::int16_t>(RankOf(Card[slot]));
}

void Poker::DoubleWin() {
    WinAmount = static_cast<std::int16_t>(WinAmount * 2);
    Panel.Caption = WinMessage(WinAmount);
}

void Poker::DoubleLost() {
    Small.Visible = false;
    Big.Visible = false;
    ClearPayHighlight();
    Deal1.Visible = true;
    Take.Visible = false;
    DisplayOver();
    SetFocus(&PokerState::Deal1);
}

// The carry-over after every fourth right guess: the last card becomes the
// reference in slot 1 and the run of four starts again.
void Poker::Timer7_Timer() {
    Picture[1].Frame = Card[5];
    for (int slot = 2; slot <= kSlotCount; ++slot) Picture[slot].Frame = kCardBack;
    Timers.SetEnabled(kCarryOverTimer, false);
}

}  // namespace velmora
