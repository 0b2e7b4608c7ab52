#include <gtest/gtest.h>

#include <cmath>

#include "table/credit_text.h"

namespace velmora {
namespace {

TEST(CreditText, ReadsTheLeadingNumber) {
    const std::pair<const char*, double> cases[] = {
        {"00010", 10},     {"00000", 0},      {"-00001", -1},     {"100003", 100003},
        {"99995", 99995},  {"-123456", -123456}, {"12abc", 12},   {"abc", 0},
        {"", 0},           {"-", 0},          {" 42", 42},        {"7.5", 7.5},
    };
    for (const auto& [caption, value] : cases) EXPECT_EQ(ReadCredits(caption), value) << '"' << caption << '"';
}

TEST(CreditText, WritesAtLeastFiveDigitsWithTheSignInFront) {
    const std::pair<double, const char*> cases[] = {
        {9, "00009"},          {0, "00000"},          {10, "00010"},     {-1, "-00001"},
        {-2, "-00002"},        {99999, "99999"},      {100003, "100003"}, {-123456, "-123456"},
        {1e15, "1000000000000000"},
    };
    for (const auto& [value, text] : cases) EXPECT_EQ(WriteCredits(value), text) << value;
}

TEST(CreditText, EveryBalanceSurvivesTheCaption) {
    for (double credits = -250000; credits <= 250000; credits += 7) {
        const std::string caption = WriteCredits(credits);
        ASSERT_GE(caption.size(), credits < 0 ? 6u : 5u);
        ASSERT_EQ(ReadCredits(caption), credits) << caption;
    }
}

}  // namespace
}  // namespace velmora
