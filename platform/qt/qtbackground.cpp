#include "platform/qt/qtbackground.h"

#include <QThread>

namespace platform::qt {

QtBackgroundWork::~QtBackgroundWork() {
    for (QThread* t : std::as_const(running_)) {
        t->wait();
        delete t;
    }
}

void QtBackgroundWork::run(std::function<void()> work, std::function<void()> done) {
    QThread* thread = QThread::create(std::move(work));
    running_.insert(thread);
    // `finished` is sent from the worker thread; the connection to an object
    // of this thread queues `done` into this thread's event loop.
    QObject::connect(thread, &QThread::finished, &context_, [this, thread, done = std::move(done)] {
        running_.remove(thread);
        thread->deleteLater();
        if (done) done();
    });
    thread->start();
}

} // namespace platform::qt
