#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "table/random_source.h"

namespace velmora {
namespace {

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
    EXPECT_TRUE(fromFallback >= 0.0f && fromFallback < 1.0f) << fromFallback;
    EXPECT_EQ(scripted.Rolls(), 3);
    EXPECT_EQ(scripted.Reseeds(), 1);
    EXPECT_EQ(fallbackReseeds, 1);
}

// A generator given no clock re-seeds from a fixed reading: a test's run repeats.
TEST(ClockSeededGenerator, WithoutAClockRepeatsItsValues) {
    ClockSeededGenerator first(3), second(3);
    first.Reseed(), second.Reseed();
    EXPECT_EQ(first.Next(), second.Next());
}

}  // namespace
}  // namespace velmora
