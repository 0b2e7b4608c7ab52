// Take from balances no short script reaches: the win goes into the caption
// by the credit text rules, whatever its length or sign.
#include <gtest/gtest.h>

#include "table/control_table.h"

namespace velmora {
namespace {

TEST(Take, AddsTheWinToTheCaptionAndEndsTheHand) {
    const struct { const char* before; std::int16_t win; const char* after; } cases[] = {
        {"00010", 4, "00014"}, {"99995", 8, "100003"}, {"-00001", 2, "00001"}, {"-00300", 300, "00000"},
        {"00009", 19200, "19209"},
    };
    for (const auto& c : cases) {
        Poker form;
        form.Score.Caption = c.before;
        form.WinAmount = c.win;
        form.Take.Visible = form.DoubleB.Visible = true;
        form.Deal1.Visible = false;
        form.Jack.BackColor = kGreen;
        form.Click(EntryOf(&Poker::Take));
        EXPECT_EQ(form.Score.Caption, c.after) << c.before << " + " << c.win;
        EXPECT_FALSE(form.Take.Visible || form.DoubleB.Visible || form.Big.Visible || form.Small.Visible);
        EXPECT_TRUE(form.Deal1.Visible);
        EXPECT_EQ(form.Focus, &Poker::Deal1);
        EXPECT_EQ(form.Jack.BackColor, kDarkGrey);
        EXPECT_EQ(form.Panel.Caption, "Press Deal for next hand");
        EXPECT_EQ(form.MousePointer, kDefaultPointer);
        EXPECT_EQ(form.WinAmount, c.win);  // kept until the next deal
    }
}

}  // namespace
}  // namespace velmora
