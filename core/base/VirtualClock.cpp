#include "core/base/VirtualClock.h"

#include <algorithm>
#include <limits>

namespace tarvelo {

void VirtualClock::AddTimer(std::int64_t intervalMs, Handler handler) {
    const std::int64_t interval = std::max<std::int64_t>(intervalMs, 1);
    timers_.push_back({interval, nowMs_ + interval, std::move(handler)});
}

std::int64_t VirtualClock::NextDue() const {
    std::int64_t next = std::numeric_limits<std::int64_t>::max();
    for (const Timer& t : timers_) {
        next = std::min(next, t.dueMs);
    }
    return next;
}

void VirtualClock::RunNextTick() {
    if (timers_.empty()) {
        return;
    }
    nowMs_ = NextDue();
    // Index loop: a handler may add timers, which must not disturb this pass.
    const std::size_t count = timers_.size();
    for (std::size_t i = 0; i < count; ++i) {
        if (timers_[i].dueMs == nowMs_) {
            timers_[i].dueMs += timers_[i].intervalMs;
            // Copy: the handler may add timers and so move the vector.
            Handler handler = timers_[i].handler;
            handler();
        }
    }
}

void VirtualClock::Advance(std::int64_t ms) {
    const std::int64_t end = nowMs_ + std::max<std::int64_t>(ms, 0);
    while (!timers_.empty() && NextDue() <= end) {
        RunNextTick();
    }
    nowMs_ = end;
}

} // namespace tarvelo
