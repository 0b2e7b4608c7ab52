// The pay table as the window opens.
#include <gtest/gtest.h>

#include "table/control_table.h"

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
        EXPECT_TRUE(label->Visible) << caption;
    }
    for (const Label& hold : form.Hold) EXPECT_EQ(hold.Caption, "HOLD");
}

}  // namespace
}  // namespace velmora
