#include "table/poker.h"

#include "table/captions.h"
#include "table/control_table.h"
#include "table/credit_text.h"

namespace velmora {

Poker::Poker(RandomSource& random) : PokerState(StartIntervals()), random_(random) {
    for (const PayLineEntry& line : kPayLines) {
        Label& label = this->*line.member;
        label.Caption = PayLineCaption(line);
        label.BackColor = kDarkGrey;
    }
    for (Label& hold : Hold) hold = Label{std::string(kHoldCaption), false, kBlack};
    Panel.Caption = kStartCaption;
    Score.Caption = "00010";
    for (const ButtonEntry& button : kButtons) (this->*button.member).Visible = button.shownAtStart;
    Form_Load();
}

void Poker::Form_Load() {
    // Nothing here can fail in the model; a picture file that cannot be read
    // leaves the card views blank and the game goes on.
    for (CardControl& picture : Picture) picture.PictureSource = kCardPictureFile;
}

void Poker::DisplayOver() { Panel.Caption = kNextHandCaption; }

void Poker::SetFocus(Button PokerState::*button) {
    Focus = button;
    ++FocusRequests;
}

float Poker::Roll() {
    random_.Reseed();
    return random_.Next();
}

double Poker::Credits() const { return ReadCredits(Score.Caption); }

Slots<bool> Poker::PresetHoldsPreview() const {
    Poker copy = *this;
    for (Label& hold : copy.Hold) hold.Visible = false;
    copy.PresetHolds();
    Slots<bool> held;
    for (int slot = 1; slot <= kSlotCount; ++slot) held[slot] = copy.Hold[slot].Visible;
    return held;
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
        case kLastRevealTimer: return Timer5_Timer();
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
