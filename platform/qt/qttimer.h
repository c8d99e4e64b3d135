#pragma once

#include "platform/system.h"

#include <QElapsedTimer>
#include <QTimer>

namespace platform::qt {

class QtClock : public Clock {
  public:
    QtClock() { clock_.start(); }
    double seconds() const override { return clock_.nsecsElapsed() / 1e9; }

  private:
    QElapsedTimer clock_;
};

// A single-shot QTimer; the connection ends with the timer.
class QtTimer : public Timer {
  public:
    QtTimer();
    void start(int milliseconds) override { timer_.start(milliseconds); }
    void stop() override { timer_.stop(); }
    bool active() const override { return timer_.isActive(); }

  private:
    QTimer timer_;
};

} // namespace platform::qt
