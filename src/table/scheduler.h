#pragma once

#include <array>
#include <cstdint>
#include <limits>
#include <optional>

namespace velmora {

using Millis = std::int64_t;

// The table's timers as data: each has Enabled and Interval like a window
// system timer, and the scheduler knows when each enabled one is due.
//
//   - a timer enabled at time t is due at t + Interval;
//   - after its tick, if still enabled, it is due again Interval later;
//   - enabling a timer that is already enabled changes nothing;
//   - setting the Interval of an enabled timer restarts its count from now;
//   - of two timers due at the same time, the lower number ticks first.
//
// The scheduler never runs anything itself: whoever owns the clock (the
// window in real time, tests and the replay driver in virtual time) asks for
// the next due tick, lets the scheduler move to it and runs the handler.
class Scheduler {
public:
    static constexpr int kTimerCount = 7;
    // The latest time the clock may be moved to: a timer's due time, at most
    // one Interval (an int) later, is then still a time the clock can hold.
    static constexpr Millis kEndOfTime = std::numeric_limits<Millis>::max() - std::numeric_limits<int>::max();

    struct Due {
        Millis at;
        int timer;  // 1..kTimerCount
    };

    explicit Scheduler(const std::array<int, kTimerCount>& intervals);

    bool Enabled(int timer) const { return at(timer).enabled; }
    int Interval(int timer) const { return at(timer).interval; }
    void SetEnabled(int timer, bool enabled);
    void SetInterval(int timer, int milliseconds);

    Millis Now() const { return now_; }
    std::optional<Due> NextDue() const;
    bool AnyEnabled() const;

    // Moves the clock to the due time of a tick and re-arms that timer for
    // its next tick, before its handler runs.
    void BeginTick(const Due& due);
    // Moves the clock on to t (at most kEndOfTime) when no tick is due before it.
    void MoveTo(Millis t);

private:
    struct Timer {
        bool enabled = false;
        int interval = 0;
        Millis due = 0;
    };
    Timer& at(int timer);
    const Timer& at(int timer) const;

    std::array<Timer, kTimerCount> timers_{};
    Millis now_ = 0;
};

}  // namespace velmora
