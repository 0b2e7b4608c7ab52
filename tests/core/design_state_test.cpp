// The table as the window opens: every control in its design state.
#include <gtest/gtest.h>

#include "table/poker.h"

namespace velmora {
namespace {

TEST(DesignState, PayTableLinesAreGreyAndReadAsDesigned) {
    const Poker form;
    const std::pair<const Label*, const char*> lines[] = {
        {&form.Royal, "Royal Flush     300"}, {&form.SFlush, "Straight Flush   50"},
        {&form.Kind, "4 of a Kind      20"},  {&form.Full, "Full House        8"},
        {&form.Flush, "Flush             5"}, {&form.Straight, "Straight          4"},
        {&form.Tree, "3 of a Kind       3"},  {&form.Two, "Two Pairs         2"},
        {&form.Jack, "Jacks or Better   1"},
    };
    for (const auto& [label, caption] : lines) {
        EXPECT_EQ(label->Caption, caption);
        EXPECT_EQ(label->BackColor, 0x00404040u) << caption;
        EXPECT_TRUE(label->Visible) << caption;
    }
}

TEST(DesignState, OnlyDealAboutAndExitAreShown) {
    const Poker form;
    const std::pair<const Button*, bool> buttons[] = {
        {&form.Deal1, true},  {&form.About, true}, {&form.Sortie, true},
        {&form.Deal2, false}, {&form.Cancel, false}, {&form.Take, false},
        {&form.DoubleB, false}, {&form.Big, false}, {&form.Small, false},
    };
    for (const auto& [button, shown] : buttons) {
        EXPECT_EQ(button->Visible, shown);
        EXPECT_TRUE(button->Enabled);
    }
    EXPECT_EQ(form.Focus, ButtonName::Deal1);
}

TEST(DesignState, CardsFaceDownWithTheirPictureFileAndNoHolds) {
    const Poker form;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(form.Picture[slot].Frame, 53);
        EXPECT_EQ(form.Picture[slot].PictureSource, "cartes.ccb");
        EXPECT_FALSE(form.Hold[slot].Visible);
        EXPECT_EQ(form.Hold[slot].Caption, "HOLD");
    }
}

TEST(DesignState, MessageCreditsPointerAndTimers) {
    const Poker form;
    EXPECT_EQ(form.Score.Caption, "00010");
    EXPECT_EQ(form.Panel.Caption, "Press Deal to Start the Game");
    EXPECT_EQ(form.MousePointer, 0);
    EXPECT_FALSE(form.AboutOpen);
    EXPECT_FALSE(form.Timers.NextDue().has_value());
    for (int timer = 1; timer <= 7; ++timer) {
        EXPECT_FALSE(form.Timers.Enabled(timer));
        EXPECT_EQ(form.Timers.Interval(timer), timer == 7 ? 500 : 250);
    }
}

TEST(DesignState, WindowVariablesStartAtZero) {
    const Poker form;
    for (int slot = 1; slot <= kSlotCount; ++slot) {
        EXPECT_EQ(form.Card[slot], 0);
        EXPECT_EQ(form.OldCard[slot], 0);
    }
    EXPECT_EQ(form.WinAmount, 0);
    EXPECT_EQ(form.DoubleStep, 0);
    EXPECT_EQ(form.DoubleRoll, 0);
    EXPECT_EQ(form.HandPay, 0);
}

TEST(AboutAndExit, AboutTakesAllInputUntilOkAndLeavesTheTableAsItWas) {
    Poker form;
    form.Click(Control::About);
    ASSERT_TRUE(form.AboutOpen);
    const Poker before = form;
    for (const Control control : {Control::Deal1, Control::About, Control::Sortie, Control::Label3})
        form.Click(control);
    form.DblClick(2);
    EXPECT_FALSE(form.Ended);
    EXPECT_EQ(form.Score.Caption, before.Score.Caption);
    EXPECT_TRUE(form.Deal1.Enabled);
    EXPECT_FALSE(form.Timers.NextDue().has_value());

    form.Press();  // Enter on the About window presses its OK
    EXPECT_FALSE(form.AboutOpen);
    form.Click(Control::cmdOk);  // no About window: nothing
    form.Click(Control::Sortie);
    EXPECT_TRUE(form.Ended);
}

}  // namespace
}  // namespace velmora
