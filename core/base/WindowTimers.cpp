#include "core/base/WindowTimers.h"

#include "core/base/VirtualClock.h"

namespace tarvelo {

static_assert(kWindowTimers[2].timer == WindowTimer::Reality);

void AttachWindowTimers(VirtualClock& clock, std::function<void(WindowTimer)> tick) {
    for (const WindowTimerSpec& spec : kWindowTimers) {
        clock.AddTimer(spec.intervalMs, [tick, timer = spec.timer] { tick(timer); });
    }
}

} // namespace tarvelo
