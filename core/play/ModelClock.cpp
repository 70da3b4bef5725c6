#include "core/play/ModelClock.h"

#include "core/play/Model.h"

namespace tarvelo {

void RunModelOnClock(VirtualClock& clock, Model& model) {
    AttachWindowTimers(clock, [&clock, &model](WindowTimer timer) {
        model.Tick(timer, clock.NowMs(), model.pointer.pointerX(), model.pointer.pointerY());
    });
    WaitOnClock(clock, model);
}

void WaitOnClock(VirtualClock& clock, Model& model) {
    model.processPendingEvents = [&clock] { clock.RunNextTick(); };
}

SettleResult SettleOnClock(VirtualClock& clock, Model& model, std::int64_t budgetMs) {
    const std::int64_t end = clock.NowMs() + budgetMs;
    model.WatchRestFrom(clock.NowMs());
    while (clock.NowMs() < end) {
        const std::int64_t before = clock.NowMs();
        clock.RunNextTick();
        if (clock.NowMs() == before) {
            break; // a clock without timers: nothing will ever change
        }
        if (model.AtRest()) {
            return {true, model.LastChangeMs()};
        }
    }
    return {false, model.LastChangeMs()};
}

} // namespace tarvelo
