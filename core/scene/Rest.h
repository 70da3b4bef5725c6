// When a scene is at rest, and running the clock until it is.
#pragma once

#include <cstdint>

namespace tarvelo {

class Model;
class VirtualClock;

// A scene is at rest once a whole second of scene time has changed nothing at all.
constexpr std::int64_t kRestQuietMs = 1000;

struct SettleResult {
    bool rested = false;
    // Scene time at which the last change happened: when the scene came to rest, if it did.
    std::int64_t lastChangeMs = 0;
};

// Runs `clock` until `model` is at rest or `budgetMs` of scene time have passed.
SettleResult SettleOnClock(VirtualClock& clock, const Model& model, std::int64_t budgetMs);

} // namespace tarvelo
