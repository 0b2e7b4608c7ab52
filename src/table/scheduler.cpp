#include "table/scheduler.h"

#include <cassert>

namespace velmora {

Scheduler::Scheduler(const std::array<int, kTimerCount>& intervals) {
    for (int n = 1; n <= kTimerCount; ++n) at(n).interval = intervals[static_cast<std::size_t>(n - 1)];
}

Scheduler::Timer& Scheduler::at(int timer) {
    assert(timer >= 1 && timer <= kTimerCount);
    return timers_[static_cast<std::size_t>(timer - 1)];
}

const Scheduler::Timer& Scheduler::at(int timer) const {
    assert(timer >= 1 && timer <= kTimerCount);
    return timers_[static_cast<std::size_t>(timer - 1)];
}

void Scheduler::SetEnabled(int timer, bool enabled) {
    Timer& t = at(timer);
    if (enabled && !t.enabled) t.due = now_ + t.interval;
    t.enabled = enabled;
}

void Scheduler::SetInterval(int timer, int milliseconds) {
    assert(milliseconds >= 1);
    Timer& t = at(timer);
    t.interval = milliseconds;
    if (t.enabled) t.due = now_ + t.interval;
}

std::optional<Scheduler::Due> Scheduler::NextDue() const {
    std::optional<Due> next;
    for (int n = 1; n <= kTimerCount; ++n) {
        const Timer& t = at(n);
        if (t.enabled && (!next || t.due < next->at)) next = Due{t.due, n};
    }
    return next;
}

bool Scheduler::AnyEnabled() const {
    for (const Timer& t : timers_)
        if (t.enabled) return true;
    return false;
}

void Scheduler::BeginTick(const Due& due) {
    assert(due.at >= now_ && due.at <= kEndOfTime);
    now_ = due.at;
    Timer& t = at(due.timer);
    t.due = now_ + t.interval;
}

void Scheduler::MoveTo(Millis t) {
    assert(t <= kEndOfTime && (!NextDue() || NextDue()->at >= t));
    if (t > now_) now_ = t;
}

}  // namespace velmora
