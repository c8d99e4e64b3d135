#include "platform/qt/qttimer.h"

namespace platform::qt {

QtTimer::QtTimer() {
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, &timer_, [this] {
        if (onTimeout) onTimeout();
    });
}

} // namespace platform::qt
