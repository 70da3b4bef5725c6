// The window's three timers in one table: their names, intervals and the order in which their
// handlers run when due at the same moment. The window, the run without a window and the tests
// all take their timers from here.
#pragma once

#include <array>
#include <functional>

namespace tarvelo {

class VirtualClock;

enum class WindowTimer { Balance, Pointer, Reality };

struct WindowTimerSpec {
    WindowTimer timer;
    const char* name; // the timer's name on the window
    int intervalMs;
};

// In the order the window creates them, which is the order they run in when due together.
inline constexpr std::array<WindowTimerSpec, 3> kWindowTimers{{
    {WindowTimer::Balance, "balanceTimer", 50},
    {WindowTimer::Pointer, "MouseTimer", 10},
    {WindowTimer::Reality, "realityTimer", 10},
}};

// The scene time one tick of the reality timer stands for.
inline constexpr int kRealityStepMs = kWindowTimers[2].intervalMs;

// Adds the three timers to `clock`, in the table's order; each tick calls `tick` with its timer.
void AttachWindowTimers(VirtualClock& clock, std::function<void(WindowTimer)> tick);

} // namespace tarvelo
