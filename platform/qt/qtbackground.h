#pragma once

#include "platform/system.h"

#include <QObject>
#include <QSet>

class QThread;

namespace platform::qt {

// Each piece of work on a thread of its own; `done` comes back through the
// event loop of the thread that made this object. Work still running when
// the object goes is waited for.
class QtBackgroundWork : public BackgroundWork {
  public:
    QtBackgroundWork() = default;
    ~QtBackgroundWork() override;
    void run(std::function<void()> work, std::function<void()> done) override;

  private:
    QObject context_;
    QSet<QThread*> running_;
};

} // namespace platform::qt
