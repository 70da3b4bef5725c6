#include "core/scene/Rest.h"

#include "core/clock/VirtualClock.h"
#include "core/scene/Model.h"

namespace tarvelo {

SettleResult SettleOnClock(VirtualClock& clock, const Model& model, std::int64_t budgetMs) {
    const std::int64_t end = clock.NowMs() + budgetMs;
    SettleResult result{false, clock.NowMs()};
    std::uint64_t last = model.Fingerprint();
    while (clock.NowMs() < end) {
        const std::int64_t before = clock.NowMs();
        clock.RunNextTick();
        if (clock.NowMs() == before) {
            break; // a clock without timers: nothing will ever change
        }
        const std::uint64_t now = model.Fingerprint();
        if (now != last) {
            last = now;
            result.lastChangeMs = clock.NowMs();
        } else if (clock.NowMs() - result.lastChangeMs >= kRestQuietMs) {
            result.rested = true;
            break;
        }
    }
    return result;
}

} // namespace tarvelo
