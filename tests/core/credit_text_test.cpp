#include <gtest/gtest.h>

#include <cmath>

#include "table/credit_text.h"

namespace velmora {
namespace {

TEST(CreditText, EveryBalanceSurvivesTheCaption) {
    for (double credits = -250000; credits <= 250000; credits += 7) {
        const std::string caption = WriteCredits(credits);
        ASSERT_GE(caption.size(), credits < 0 ? 6u : 5u);
        ASSERT_EQ(ReadCredits(caption), credits) << caption;
    }
}

}  // namespace
}  // namespace velmora
