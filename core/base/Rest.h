// When a scene is at rest, one rule for the window's sleeping timers, `--settle` and the tests.
#pragma once

#include <cstdint>

namespace tarvelo {

// A scene is at rest once its whole state has not changed for this much timer time: two periods
// of the slowest timer, so every handler has run on that state and found nothing to do. Such a
// state is a fixed point of all three handlers and stays as it is until something from outside
// (input, a file, a button) changes it.
constexpr std::int64_t kRestQuietMs = 100;

// Told the state after every tick, tells when the scene has come to rest.
class RestWatch {
  public:
    // The state's change count after a tick at timer time `nowMs`; true once at rest.
    bool AfterTick(std::uint64_t state, std::int64_t nowMs);
    // Forgets what it saw: something from outside changed the scene at `nowMs`.
    void Restart(std::int64_t nowMs);
    // When the state last changed.
    std::int64_t LastChangeMs() const { return lastChangeMs_; }

  private:
    bool seen_ = false;
    std::uint64_t state_ = 0;
    std::int64_t lastChangeMs_ = 0;
};

} // namespace tarvelo
