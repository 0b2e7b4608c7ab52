#pragma once

#include "table/controls.h"
#include "table/poker_state.h"
#include "table/random_source.h"
#include "table/scheduler.h"

namespace velmora {

enum class Guess { Big, Small };

struct ButtonEntry;
struct ControlTable;
class PokerWorkbench;

// The table window: its controls and window-level variables (PokerState)
// and every procedure of the game. From outside, the table takes events
// and is read; only its own procedures change it.
//
// The procedures are spread over the folders of their subsystems:
// table/ (start-up, drawing, deal and draw, holds), rules/ (evaluation and
// hold analysis) and payout/ (result, double-up, take).
class Poker : private PokerState {
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

    // ---- Reading the table ----
    const PokerState& State() const { return *this; }
    // The credits, read from Score's caption.
    double Credits() const;
    // The HOLD markers the game's hold analysis would set for the cards now
    // in the slots, with the pay line as it is lit: worked out on a copy,
    // nothing here changes.
    Slots<bool> PresetHoldsPreview() const;

private:
    friend struct ControlTable;   // names the click procedures
    friend class PokerWorkbench;  // tests and benchmarks stage situations

    // ---- Start-up and the end of a hand (table/poker.cpp) ----
    void Form_Load();
    void DisplayOver();
    void SetFocus(Button PokerState::*button);

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

    void Tick(int timer);

    RandomSource& random_;
};

}  // namespace velmora
