// The main window's timers, their sleep at rest and their run on a virtual clock.
#include "ui/window/TickTimers.h"

#include "core/base/VirtualClock.h"
#include "core/play/Model.h"
#include "core/play/ModelClock.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>

namespace tarvelo {

namespace {

// The events that say the user is there: they wake timers that sleep.
bool IsInput(const QEvent& event) {
    switch (event.type()) {
    case QEvent::MouseMove:
    case QEvent::MouseButtonPress:
    case QEvent::MouseButtonRelease:
    case QEvent::MouseButtonDblClick:
    case QEvent::Enter:
    case QEvent::Leave:
    case QEvent::HoverMove:
    case QEvent::Wheel:
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
    case QEvent::Show:
    case QEvent::WindowActivate:
        return true;
    default:
        return false;
    }
}

} // namespace

TickTimers::TickTimers(QObject* parent, Model& model, std::function<void(WindowTimer)> tick)
    : QObject(parent), model_(model), tick_(std::move(tick)) {
    // While the scene empties itself, its wait serves the timers' ticks and the user's input.
    model_.processPendingEvents = [] {
        QCoreApplication::processEvents(QEventLoop::AllEvents | QEventLoop::WaitForMoreEvents);
    };
    for (std::size_t t = 0; t < kWindowTimers.size(); ++t) {
        const WindowTimerSpec& spec = kWindowTimers[t];
        auto* timer = new QTimer(this);
        timer->setObjectName(QString::fromLatin1(spec.name));
        timer->setTimerType(Qt::PreciseTimer);
        timer->setInterval(spec.intervalMs);
        connect(timer, &QTimer::timeout, this, [this, which = spec.timer] { tick_(which); });
        timer->start();
        timers_[t] = timer;
    }
    QCoreApplication::instance()->installEventFilter(this);
}

std::int64_t TickTimers::NowMs() const {
    return clock_ != nullptr ? clock_->NowMs() : timerMs_;
}

void TickTimers::Count(WindowTimer timer) {
    if (timer == WindowTimer::Reality) {
        timerMs_ += kRealityStepMs;
    }
}

void TickTimers::SetRunning(bool running) {
    wanted_ = running;
    if (running) {
        Start();
    } else {
        Stop();
        resting_ = false;
    }
}

void TickTimers::Wake() {
    if (wanted_) {
        Start();
    }
}

void TickTimers::SleepIfAtRest() {
    // With the timers stopped, on the clock of a test or of the run without a window, whoever
    // drives that clock watches for rest itself.
    if (wanted_ && model_.AtRest() && !model_.IsCleaning()) {
        Stop();
        resting_ = true;
    }
}

void TickTimers::RunOnClock(VirtualClock& clock) {
    SetRunning(false);
    clock_ = &clock;
    AttachWindowTimers(clock, tick_);
    WaitOnClock(clock, model_);
}

bool TickTimers::eventFilter(QObject* watched, QEvent* event) {
    if (resting_ && IsInput(*event)) {
        Start();
    }
    return QObject::eventFilter(watched, event);
}

void TickTimers::Start() {
    resting_ = false;
    model_.WatchRestFrom(NowMs(), true);
    for (QTimer* timer : timers_) {
        if (!timer->isActive()) {
            timer->start();
        }
    }
}

void TickTimers::Stop() {
    for (QTimer* timer : timers_) {
        timer->stop();
    }
}

} // namespace tarvelo
