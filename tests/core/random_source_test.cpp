#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "table/random_source.h"

namespace velmora {
namespace {

TEST(ClockSeededGenerator, ValuesLieInTheUnitIntervalAndSpreadEvenly) {
    ClockSeededGenerator generator(12345);
    int buckets[10] = {};
    constexpr int kDraws = 1'000'000;
    for (int i = 0; i < kDraws; ++i) {
        if (i % 3 == 0) generator.Reseed();
        const float u = generator.Next();
        ASSERT_GE(u, 0.0f);
        ASSERT_LT(u, 1.0f);
        ++buckets[static_cast<int>(u * 10)];
    }
    for (const int count : buckets) EXPECT_NEAR(count, kDraws / 10, 1500);
}

TEST(ScriptedRandom, QueuedValuesComeFirstThenTheFallbackAndReseedsPassThrough) {
    int fallbackReseeds = 0;
    ClockSeededGenerator fallback(3, [&] { return static_cast<std::uint64_t>(++fallbackReseeds); });
    ScriptedRandom scripted(fallback);
    scripted.Queue(0.25f);
    scripted.Queue(0.75f);
    scripted.Reseed();
    EXPECT_EQ(scripted.Next(), 0.25f);
    EXPECT_EQ(scripted.Next(), 0.75f);
    const float fromFallback = scripted.Next();
    EXPECT_GE(fromFallback, 0.0f);
    EXPECT_LT(fromFallback, 1.0f);
    EXPECT_EQ(scripted.Rolls(), 3);
    EXPECT_EQ(scripted.Reseeds(), 1);
    EXPECT_EQ(fallbackReseeds, 1);
}

}  // namespace
}  // namespace velmora
