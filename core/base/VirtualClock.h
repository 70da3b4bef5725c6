// A clock that only moves when told to, driving periodic handlers in a fixed order. Tests and
// the run without a window use it in place of the window's timers, so that every run of the
// same scene gives the same result.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace tarvelo {

class VirtualClock {
  public:
    using Handler = std::function<void()>;

    // Adds a timer whose first tick comes one interval from now.
    void AddTimer(std::int64_t intervalMs, Handler handler);

    std::int64_t NowMs() const { return nowMs_; }

    // Moves to the next moment at which any timer is due and runs every handler due then, in the
    // order the timers were added. Does nothing without timers.
    void RunNextTick();

    // Runs every tick due up to and including now + ms, then stands at now + ms.
    void Advance(std::int64_t ms);

  private:
    struct Timer {
        std::int64_t intervalMs;
        std::int64_t dueMs;
        Handler handler;
    };
    std::int64_t NextDue() const;
    std::int64_t nowMs_ = 0;
    std::vector<Timer> timers_;
};

} // namespace tarvelo
