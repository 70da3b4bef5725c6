// The main window's three timers: they tick the model, sleep while the scene is at rest and wake
// at any input, or hand their ticks to a virtual clock.
#pragma once

#include "core/base/WindowTimers.h"

#include <QObject>
#include <array>
#include <cstdint>
#include <functional>

class QTimer;

namespace tarvelo {

class Model;
class VirtualClock;

class TickTimers : public QObject {
    Q_OBJECT
  public:
    // Creates the timers, named and timed as the table says, and starts them; each tick calls
    // `tick` with its timer. The model's waits serve the program's events meanwhile.
    TickTimers(QObject* parent, Model& model, std::function<void(WindowTimer)> tick);

    // The time of the timers: the clock's, on a clock, else counted in reality ticks.
    std::int64_t NowMs() const;
    // A tick of `timer` is being run: a reality tick moves the timers' time on.
    void Count(WindowTimer timer);

    // Stops or restarts the timers, for tests that drive the handlers themselves.
    void SetRunning(bool running);
    // Restarts the timers unless they were stopped on purpose: after a change the scene will
    // want ticks for.
    void Wake();
    // After a tick: at rest the scene is a fixed point of all three timers, so they sleep until
    // there is input again.
    void SleepIfAtRest();
    // True while the timers sleep because the scene is at rest.
    bool Resting() const { return resting_; }

    // Stops the timers and runs their ticks on `clock` instead, in the table's order; the
    // model's waits run on it too.
    void RunOnClock(VirtualClock& clock);

  protected:
    // Input anywhere in the program wakes the timers when the scene is at rest.
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void Start();
    void Stop();

    Model& model_;
    std::function<void(WindowTimer)> tick_;
    std::array<QTimer*, kWindowTimers.size()> timers_{}; // in the table's order
    bool wanted_ = true;
    bool resting_ = false;
    std::int64_t timerMs_ = 0;      // timer time, counted in reality ticks
    VirtualClock* clock_ = nullptr; // the clock the timers run on instead, if any
};

} // namespace tarvelo
