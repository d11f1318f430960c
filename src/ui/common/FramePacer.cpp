#include "common/FramePacer.h"

#include <utility>

namespace vesk {

FramePacer::FramePacer(std::function<void()> refresh) : refresh_(std::move(refresh)) {
    timer_.setSingleShot(true);
    timer_.setTimerType(Qt::PreciseTimer);
    connect(&timer_, &QTimer::timeout, this, &FramePacer::refreshNow);
}

void FramePacer::request() {
    if (timer_.isActive()) {
        return;
    }
    const qint64 since = sinceRefresh_.isValid() ? sinceRefresh_.elapsed() : frameMilliseconds;
    if (since >= frameMilliseconds) {
        refreshNow();
    } else {
        timer_.start(static_cast<int>(frameMilliseconds - since));
    }
}

void FramePacer::refreshNow() {
    sinceRefresh_.start();
    refresh_();
}

} // namespace vesk
