#include <gtest/gtest.h>

#include <vector>

#include "table/scheduler.h"

namespace velmora {
namespace {

Scheduler Fresh() { return Scheduler({250, 250, 250, 250, 250, 250, 500}); }

// Runs every tick due up to t; each tick records "timer@time" and runs `onTick`.
template <class OnTick>
std::vector<std::string> RunUntil(Scheduler& s, Millis t, OnTick onTick) {
    std::vector<std::string> ticks;
    while (auto due = s.NextDue()) {
        if (due->at > t) break;
        s.BeginTick(*due);
        ticks.push_back(std::to_string(due->timer) + "@" + std::to_string(due->at));
        onTick(due->timer);
    }
    s.MoveTo(t);
    return ticks;
}

// Enabling it again changes nothing.
TEST(Scheduler, EnabledTimerIsDueOneIntervalLaterAndAgainWhileEnabled) {
    Scheduler s = Fresh();
    s.MoveTo(100);
    s.SetEnabled(7, true);
    s.MoveTo(300);
    s.SetEnabled(7, true);
    EXPECT_EQ(RunUntil(s, 1700, [](int) {}), (std::vector<std::string>{"7@600", "7@1100", "7@1600"}));
    EXPECT_EQ(s.Now(), 1700);
}

TEST(Scheduler, NewIntervalOnAnEnabledTimerRestartsItsCountFromNow) {
    Scheduler s = Fresh();
    s.SetEnabled(2, true);
    s.MoveTo(100);
    s.SetInterval(2, 1);
    EXPECT_EQ(s.NextDue()->at, 101);
    s.SetInterval(3, 1);  // a stopped timer only keeps the interval
    s.MoveTo(101);
    s.SetEnabled(3, true);
    EXPECT_EQ(RunUntil(s, 102, [&](int t) { s.SetEnabled(t, false); }),
              (std::vector<std::string>{"2@101", "3@102"}));
}

TEST(Scheduler, TiesGoToTheLowerTimerNumber) {
    Scheduler s = Fresh();
    s.SetEnabled(6, true);
    s.SetEnabled(1, true);
    s.SetEnabled(3, true);
    EXPECT_EQ(RunUntil(s, 250, [&](int t) { s.SetEnabled(t, false); }),
              (std::vector<std::string>{"1@250", "3@250", "6@250"}));
}

TEST(Scheduler, AChainStartedByATickRunsWithinTheSameSpan) {
    Scheduler s = Fresh();
    s.SetInterval(2, 1);
    s.SetEnabled(1, true);
    const auto ticks = RunUntil(s, 1000, [&](int t) {
        if (t < 3) s.SetEnabled(t + 1, true);
        s.SetEnabled(t, false);
    });
    EXPECT_EQ(ticks, (std::vector<std::string>{"1@250", "2@251", "3@501"}));
    EXPECT_FALSE(s.AnyEnabled());
    EXPECT_FALSE(s.NextDue().has_value());
}

}  // namespace
}  // namespace velmora
