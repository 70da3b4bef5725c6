#include "core/clock/Rest.h"

#include "core/clock/VirtualClock.h"
#include "core/model/Model.h"

namespace tarvelo {

bool RestWatch::AfterTick(std::uint64_t state, std::int64_t nowMs) {
    if (!seen_ || state != state_) {
        seen_ = true;
        state_ = state;
        lastChangeMs_ = nowMs;
        return false;
    }
    return nowMs - lastChangeMs_ >= kRestQuietMs;
}

void RestWatch::Restart(std::int64_t nowMs) {
    seen_ = false;
    lastChangeMs_ = nowMs;
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
