#include "core/base/Rest.h"

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

} // namespace tarvelo
