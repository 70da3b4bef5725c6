// The lock the running instance holds for its whole life.
#pragma once

#include <QString>

namespace tarvelo {

// The lock that the running instance holds as long as it lives. The system lets it go when the
// process ends, however it ends, so a held lock means a live instance (perhaps a stopped or busy
// one), never a crashed one.
class InstanceLock {
  public:
    enum class State {
        Taken,         // this process holds it now
        HeldElsewhere, // a live instance holds it
        Failed,        // the lock file could not be had
    };
    // Takes the lock at `path`. A lock file that is not this user's regular file is replaced.
    static InstanceLock Take(const QString& path);
    // Whether some process holds the lock at `path`, without taking it.
    static bool IsHeld(const QString& path);

    InstanceLock() = default;
    InstanceLock(InstanceLock&& other) noexcept;
    InstanceLock& operator=(InstanceLock&& other) noexcept;
    InstanceLock(const InstanceLock&) = delete;
    InstanceLock& operator=(const InstanceLock&) = delete;
    ~InstanceLock();

    State state() const { return state_; }

  private:
    InstanceLock(State state, int descriptor) : state_(state), descriptor_(descriptor) {}
    State state_ = State::Failed;
    int descriptor_ = -1;
};

} // namespace tarvelo
