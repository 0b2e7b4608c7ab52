#include "table/poker.h"

#include "table/control_table.h"

namespace velmora {

Poker::Poker(RandomSource& random)
    : Timers({250, 250, 250, 250, 250, 250, 500}), random_(random) {
    for (const PayLineEntry& line : kPayLines) {
        Label& label = this->*line.member;
        label.Caption = PayLineCaption(line);
        label.BackColor = kDarkGrey;
    }
    for (Label& hold : Hold) hold = Label{"HOLD", false, kBlack};
    Panel.Caption = "Press Deal to Start the Game";
    Score.Caption = "00010";
    for (const ButtonEntry& button : kButtons) (this->*button.member).Visible = button.shownAtStart;
    Form_Load();
}

void Poker::Form_Load() {
    // Nothing here can fail in the model; a picture file that cannot be read
    // leaves the card views blank and the game goes on.
    for (CardControl& picture : Picture) picture.PictureSource = kCardPictureFile;
}

void Poker::DisplayOver() { Panel.Caption = "Press Deal for next hand"; }

void Poker::SetFocus(Button Poker::*button) {
    Focus = button;
    ++FocusRequests;
}

float Poker::Roll() {
    random_.Reseed();
    return random_.Next();
}

// ---- Events ----

void Poker::Click(const ButtonEntry& entry) {
    if (Ended || AboutOpen) return;
    const Button& button = this->*entry.member;
    if (button.Visible && button.Enabled) (this->*entry.click)();
}

void Poker::ClickLabel(int slot) {
    if (Ended || AboutOpen) return;
    Label_Click(slot);
}

void Poker::ClickOk() {
    if (Ended || !AboutOpen) return;
    cmdOk_Click();
}

void Poker::DblClick(int slot) { ClickLabel(slot); }

void Poker::Press() {
    if (Ended) return;
    if (AboutOpen) return cmdOk_Click();
    Click(EntryOf(Focus));
}

void Poker::AdvanceTo(Millis t) {
    while (const auto due = Timers.NextDue()) {
        if (due->at > t) break;
        Timers.BeginTick(*due);
        Tick(due->timer);
    }
    Timers.MoveTo(t);
}

void Poker::Tick(int timer) {
    switch (timer) {
        case 5: return Timer5_Timer();
        case kResultTimer: return Timer6_Timer();
        case kCarryOverTimer: return Timer7_Timer();
        default: return Timer_Timer(timer);
    }
}

// ---- About window and exit ----

void Poker::About_Click() { AboutOpen = true; }

void Poker::cmdOk_Click() { AboutOpen = false; }

void Poker::Sortie_Click() { Ended = true; }

}  // namespace velmora
