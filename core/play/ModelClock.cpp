#include "core/play/ModelClock.h"

#include "core/base/Rest.h"
#include "core/play/Model.h"

namespace tarvelo {

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

void WaitOnClock(VirtualClock& clock, Model& model) {
    model.processPendingEvents = [&clock] { clock.RunNextTick(); };
}

SettleResult SettleOnClock(VirtualClock& clock, const Model& model, std::int64_t budgetMs) {
    const std::int64_t end = clock.NowMs() + budgetMs;
    RestWatch watch;
    watch.AfterTick(model.Changes(), clock.NowMs());
    while (clock.NowMs() < end) {
        const std::int64_t before = clock.NowMs();
        clock.RunNextTick();
        if (clock.NowMs() == before) {
            break; // a clock without timers: nothing will ever change
        }
        if (watch.AfterTick(model.Changes(), clock.NowMs())) {
            return {true, watch.LastChangeMs()};
        }
    }
    return {false, watch.LastChangeMs()};
}

} // namespace tarvelo
