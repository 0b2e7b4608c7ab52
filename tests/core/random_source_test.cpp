#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "table/random_source.h"

namespace velmora {
namespace {

TEST(ScaleRoll, CoversOneToNAndNeverPassesN) {
    const float largestBelowOne = std::nextafter(1.0f, 0.0f);
    const struct { float u; int n; int roll; } cases[] = {
        {0.0f, 52, 1}, {largestBelowOne, 52, 52}, {largestBelowOne, 100, 100},
        {(10 - 0.5f) / 52, 52, 10}, {(84 - 0.5f) / 100, 100, 84}, {0.5f, 52, 27},
    };
    for (const auto& c : cases) EXPECT_EQ(ScaleRoll(c.u, c.n), c.roll) << c.u << " x " << c.n;
}

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

TEST(ClockSeededGenerator, ReseedsWithinOneClockTickStillGiveNewValues) {
    ClockSeededGenerator generator(1, [] { return std::uint64_t{42}; });  // a clock that never moves
    std::set<float> seen;
    for (int i = 0; i < 1000; ++i) {
        generator.Reseed();
        seen.insert(generator.Next());
    }
    EXPECT_GT(seen.size(), 990u);
}

TEST(ClockSeededGenerator, TheClockReadingChangesTheSequence) {
    ClockSeededGenerator a(7, [] { return std::uint64_t{1000}; });
    ClockSeededGenerator b(7, [] { return std::uint64_t{1001}; });
    a.Reseed();
    b.Reseed();
    EXPECT_NE(a.Next(), b.Next());
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
