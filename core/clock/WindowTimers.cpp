#include "core/clock/WindowTimers.h"

#include "core/clock/VirtualClock.h"
#include "core/model/Model.h"

namespace tarvelo {

static_assert(kWindowTimers[2].timer == WindowTimer::Reality);

void AttachWindowTimers(VirtualClock& clock, std::function<void(WindowTimer)> tick) {
    for (const WindowTimerSpec& spec : kWindowTimers) {
        clock.AddTimer(spec.intervalMs, [tick, timer = spec.timer] { tick(timer); });
    }
}

void RunWindowTimer(Model& model, WindowTimer timer) {
    switch (timer) {
    case WindowTimer::Balance:
        model.balanceTimer_Timer();
        break;
    case WindowTimer::Pointer:
        model.MouseTimer_Timer(model.pointer.pointerX(), model.pointer.pointerY());
        break;
    case WindowTimer::Reality:
        model.realityTimer_Timer();
        break;
    }
}

} // namespace tarvelo
