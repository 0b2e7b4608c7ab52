// The pay table as the window opens.
#include <gtest/gtest.h>

#include "table/control_table.h"

namespace velmora {
namespace {

TEST(DesignState, PayTableLinesAreGreyAndReadAsDesigned) {
    const Poker form;
    const std::pair<const Label*, const char*> lines[] = {
        {&form.State().Royal, "Royal Flush     300"}, {&form.State().SFlush, "Straight Flush   50"},
        {&form.State().Kind, "4 of a Kind      20"},  {&form.State().Full, "Full House        8"},
        {&form.State().Flush, "Flush             5"}, {&form.State().Straight, "Straight          4"},
        {&form.State().Tree, "3 of a Kind       3"},  {&form.State().Two, "Two Pairs         2"},
        {&form.State().Jack, "Jacks or Better   1"},
    };
    for (const auto& [label, caption] : lines) {
        EXPECT_EQ(label->Caption, caption);
        EXPECT_TRUE(label->Visible) << caption;
    }
    for (const Label& hold : form.State().Hold) EXPECT_EQ(hold.Caption, "HOLD");
}

}  // namespace
}  // namespace velmora
