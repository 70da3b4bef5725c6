// The model on a clock: its timers' handlers, its waits and settling, as the run without a window
// and the tests drive it.
#pragma once

#include "core/base/VirtualClock.h"
#include "core/base/WindowTimers.h"

#include <cstdint>

namespace tarvelo {

class Model;

// Runs the model's three timers on `clock`, at the clock's time, the pointer standing still where
// the model last saw it; the model's waits for the scene to empty run on the clock too.
void RunModelOnClock(VirtualClock& clock, Model& model);

// Lets the model's waits for the scene to empty run on the clock, one tick at a time.
void WaitOnClock(VirtualClock& clock, Model& model);

struct SettleResult {
    bool rested = false;
    // Scene time at which the last change happened: when the scene came to rest, if it did.
    std::int64_t lastChangeMs = 0;
};

// Runs `clock` until `model` is at rest or `budgetMs` of scene time have passed, watching for
// rest afresh from now. The model's timers must tick at the clock's time.
SettleResult SettleOnClock(VirtualClock& clock, Model& model, std::int64_t budgetMs);

} // namespace tarvelo
