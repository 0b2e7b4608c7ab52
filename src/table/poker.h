#pragma once

#include <cstdint>

#include "table/controls.h"
#include "table/numbered.h"
#include "table/random_source.h"
#include "table/scheduler.h"

namespace velmora {

// Ranks 1..13 (Ace, 2..10, Jack, Queen, King) and suit blocks 1..4.
inline constexpr int kRankCount = 13;
inline constexpr int kBlockCount = 4;
template <class T>
using Ranks = Numbered<T, kRankCount>;
template <class T>
using Blocks = Numbered<T, kBlockCount>;

enum class Guess { Big, Small };

struct ButtonEntry;

// The timers besides the reveal chain's Timer1..Timer5.
inline constexpr int kResultTimer = 6;
inline constexpr int kCarryOverTimer = 7;

// The table window: every control the game reads and writes, as plain data,
// the window-level variables, and every procedure of the game. The state the
// player sees lives in the controls and is read back from them: the credits
// are Score's caption, a hold is a HOLD marker's visibility, the hand's line
// is a pay-table label's back colour, the phase is the set of shown buttons.
//
// The procedures are spread over the folders of their subsystems:
// table/ (start-up, drawing, deal and draw, holds), rules/ (evaluation and
// hold analysis) and payout/ (result, double-up, take).
class Poker {
public:
    explicit Poker(RandomSource& random = ProcessRandom());

    // ---- Events, as the window (or a driver) delivers them ----
    // Clicks: a hidden or disabled button ignores one, and while the About
    // window is open only its OK button takes one.
    void Click(const ButtonEntry& button);
    void ClickLabel(int slot);  // the click area over card `slot`
    void ClickOk();             // the About window's OK button
    // The double-click event of the click area over card `slot`.
    void DblClick(int slot);
    // A key press (Space, Enter) on the button that has the keyboard focus.
    void Press();
    // Runs every timer tick due up to time t, in order, and moves the clock to t.
    void AdvanceTo(Millis t);

    // ---- Pay table ----
    Label Royal, SFlush, Kind, Full, Flush, Straight, Tree, Two, Jack;
    // ---- Card row ----
    Slots<Label> Hold;
    Slots<CardControl> Picture;
    // ---- Message line and credits ----
    Label Panel, Score;
    // ---- Buttons ----
    Button Cancel, Small, DoubleB, Big, Take, Deal1, Deal2, About, Sortie;
    // ---- Timers 1..7 ----
    Scheduler Timers;
    // ---- The screen's mouse pointer: kDefaultPointer or kHourglass ----
    int MousePointer = kDefaultPointer;
    // ---- Keyboard focus: the button the game last gave it to ----
    Button Poker::*Focus = &Poker::Deal1;
    // Counts focus requests, so a front end sees a request repeated for the
    // button that already has the focus.
    unsigned FocusRequests = 0;
    // ---- The About window and the program's end ----
    bool AboutOpen = false;
    bool Ended = false;

    // ---- Window-level variables ----
    Slots<std::int16_t> Card;
    Slots<std::int16_t> OldCard;
    std::int16_t WinAmount = 0;
    std::int16_t DoubleStep = 0;
    std::int16_t DoubleRoll = 0;
    std::int32_t HandPay = 0;
    // Working variables of the hand evaluation and the hold analysis.
    Ranks<std::int16_t> RankCount;
    Blocks<std::int16_t> RoyalCount;
    Ranks<std::int16_t> RankSlots;

    // ---- Start-up and the end of a hand (table/poker.cpp) ----
    void Form_Load();
    void DisplayOver();
    void SetFocus(Button Poker::*button);

    // ---- Card drawing (table/card_drawing.cpp) ----
    void DrawCard(int slot);

    // ---- Deal and draw sequence (table/deal_sequence.cpp) ----
    void Deal1_Click();
    void Deal2_Click();
    void Timer_Timer(int slot);  // the reveal chain's ticks for slots 1..4
    void Timer5_Timer();

    // ---- Hold selection (table/hold_selection.cpp) ----
    void Label_Click(int slot);  // click and double click alike
    void Cancel_Click();

    // ---- Hand evaluation and hold analysis (rules/) ----
    void EvaluateHand();
    void ClearPayHighlight();
    void PresetHolds();

    // ---- Result, double-up and take (payout/) ----
    void Timer6_Timer();
    void DoubleB_Click();
    void Big_Click();
    void Small_Click();
    void Guess_Click(Guess guess);
    void RankCards();
    void DoubleWin();
    void DoubleLost();
    void Timer7_Timer();
    void Take_Click();

    // ---- About window and exit (table/poker.cpp) ----
    void About_Click();
    void cmdOk_Click();
    void Sortie_Click();

    // ---- Random numbers: one re-seed, then one roll ----
    float Roll();

private:
    void Tick(int timer);

    RandomSource& random_;
};

}  // namespace velmora
