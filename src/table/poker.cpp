#include "table/poker.h"

#include "rules/pay_table.h"

namespace velmora {

Poker::Poker(RandomSource& random)
    : Timers({250, 250, 250, 250, 250, 250, 500}), random_(random) {
    for (const PayLine& line : kPayTable) {
        Label& label = this->*line.label;
        label.Caption = PayLineCaption(line);
        label.BackColor = kDarkGrey;
    }
    for (Label& hold : Hold) hold = Label{"HOLD", false, kBlack};
    Panel.Caption = "Press Deal to Start the Game";
    Score.Caption = "00010";
    for (Button* hidden : {&Cancel, &Small, &DoubleB, &Big, &Take, &Deal2}) hidden->Visible = false;
    Form_Load();
}

void Poker::Form_Load() {
    // Nothing here can fail in the model; a picture file that cannot be read
    // leaves the card views blank and the game goes on.
    for (CardControl& picture : Picture) picture.PictureSource = kCardPictureFile;
}

void Poker::DisplayOver() { Panel.Caption = "Press Deal for next hand"; }

void Poker::SetFocus(ButtonName name) {
    Focus = name;
    ++FocusRequests;
}

float Poker::Roll() {
    random_.Reseed();
    return random_.Next();
}

Button& Poker::ButtonNamed(ButtonName name) {
    return const_cast<Button&>(static_cast<const Poker&>(*this).ButtonNamed(name));
}

const Button& Poker::ButtonNamed(ButtonName name) const {
    switch (name) {
        case ButtonName::Deal1: return Deal1;
        case ButtonName::About: return About;
        case ButtonName::Sortie: return Sortie;
        case ButtonName::Small: return Small;
        case ButtonName::Big: return Big;
        case ButtonName::Take: return Take;
        case ButtonName::Deal2: return Deal2;
        case ButtonName::Cancel: return Cancel;
        case ButtonName::DoubleB: return DoubleB;
    }
    return Deal1;
}

// ---- Events ----

void Poker::Click(Control control) {
    if (Ended) return;
    if (AboutOpen) {
        if (control == Control::cmdOk) cmdOk_Click();
        return;
    }
    switch (control) {
        case Control::Deal1: return ClickButton(ButtonName::Deal1);
        case Control::Deal2: return ClickButton(ButtonName::Deal2);
        case Control::Cancel: return ClickButton(ButtonName::Cancel);
        case Control::Take: return ClickButton(ButtonName::Take);
        case Control::DoubleB: return ClickButton(ButtonName::DoubleB);
        case Control::Big: return ClickButton(ButtonName::Big);
        case Control::Small: return ClickButton(ButtonName::Small);
        case Control::About: return ClickButton(ButtonName::About);
        case Control::Sortie: return ClickButton(ButtonName::Sortie);
        case Control::Label1: return Label_Click(1);
        case Control::Label2: return Label_Click(2);
        case Control::Label3: return Label_Click(3);
        case Control::Label4: return Label_Click(4);
        case Control::Label5: return Label_Click(5);
        case Control::cmdOk: return;  // the About window is closed
    }
}

void Poker::DblClick(int slot) {
    if (Ended || AboutOpen) return;
    Label_Click(slot);
}

void Poker::Press() {
    if (Ended) return;
    if (AboutOpen) return cmdOk_Click();
    ClickButton(Focus);
}

void Poker::ClickButton(ButtonName name) {
    const Button& button = ButtonNamed(name);
    if (!button.Visible || !button.Enabled) return;
    switch (name) {
        case ButtonName::Deal1: return Deal1_Click();
        case ButtonName::Deal2: return Deal2_Click();
        case ButtonName::Cancel: return Cancel_Click();
        case ButtonName::Take: return Take_Click();
        case ButtonName::DoubleB: return DoubleB_Click();
        case ButtonName::Big: return Guess_Click(Guess::Big);
        case ButtonName::Small: return Guess_Click(Guess::Small);
        case ButtonName::About: return About_Click();
        case ButtonName::Sortie: return Sortie_Click();
    }
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
        case 6: return Timer6_Timer();
        case 7: return Timer7_Timer();
        default: return Timer_Timer(timer);
    }
}

// ---- About window and exit ----

void Poker::About_Click() { AboutOpen = true; }

void Poker::cmdOk_Click() { AboutOpen = false; }

void Poker::Sortie_Click() { Ended = true; }

}  // namespace velmora
