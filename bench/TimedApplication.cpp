#include "TimedApplication.h"

#include <QEvent>
#include <QMetaEnum>
#include <QThread>

#include <algorithm>

namespace vesk::bench {

TimedApplication::TimedApplication(int& argc, char** argv) : QApplication(argc, argv) {
    clock_.start();
}

bool TimedApplication::notify(QObject* receiver, QEvent* event) {
    // Only the window's thread: the simulator's reader thread delivers events of its own.
    if (!measuring_ || depth_ > 0 || QThread::currentThread() != thread()) {
        ++depth_;
        const bool handled = QApplication::notify(receiver, event);
        --depth_;
        return handled;
    }
    const int type = event->type();
    const qint64 start = clock_.nsecsElapsed();
    ++depth_;
    const bool handled = QApplication::notify(receiver, event);
    --depth_;
    const qint64 taken = clock_.nsecsElapsed() - start;
    Total& total = totals_[type];
    total.nanoseconds += taken;
    total.longest = std::max(total.longest, taken);
    ++total.count;
    return handled;
}

std::vector<TimeShare> TimedApplication::shares() const {
    const QMetaEnum names = QMetaEnum::fromType<QEvent::Type>();
    std::vector<TimeShare> shares;
    for (const auto& [type, total] : totals_) {
        // Event types the client registers for itself (the socket's flush) count down from the
        // top of the range.
        const char* name = type >= QEvent::User ? "client's own event" : names.valueToKey(type);
        shares.push_back({name ? name : std::to_string(type),
                          static_cast<double>(total.nanoseconds) / 1e6, total.count,
                          static_cast<double>(total.longest) / 1e6});
    }
    std::sort(shares.begin(), shares.end(), [](const TimeShare& left, const TimeShare& right) {
        return left.milliseconds > right.milliseconds;
    });
    return shares;
}

} // namespace vesk::bench
