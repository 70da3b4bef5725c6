// Ready-made scenes for the tests, the benchmarks and the run without a window: a started
// window state on a virtual clock, and stacks of pieces resting on the pans.
#pragma once

#include "core/base/VirtualClock.h"
#include "core/play/Model.h"

#include <cstdint>

namespace tarvelo {

// A started window state whose timers run on a virtual clock, with fixed random values.
class SceneHarness {
  public:
    explicit SceneHarness(double secondsSinceMidnight = 0.0);
    SceneHarness(const SceneHarness&) = delete;
    SceneHarness& operator=(const SceneHarness&) = delete;

    Model model;
    VirtualClock clock;

    // Lets scene time pass, every timer ticking as in the window.
    void RunMs(std::int64_t ms) { clock.Advance(ms); }
};

// Puts `pieceCount` number cubes in columns on the two pans, each cube resting on the one below
// (the cubes 1 to 9, then 0, X and Y, over and over), and records the contacts. The stacks grow as
// high as needed, beyond the top of the scene if there are many pieces.
void BuildStacksOnPans(Model& model, std::int32_t pieceCount);

// Puts `pieceCount` number cubes in stacks on the two pans as above, but both pans carry the same
// stacks, every kind twice in a row, and the leftmost column of each pan stays free: the balance
// is level, and a piece can be taken from or added to both pans. With a multiple of four pieces,
// each pan holds every kind an even number of times, so both can be shared into two.
void BuildTwinStacksOnPans(Model& model, std::int32_t pieceCount);

} // namespace tarvelo
