#pragma once

#include <QApplication>
#include <QElapsedTimer>

#include <map>
#include <string>
#include <vector>

namespace vesk::bench {

// Time the event loop spent on one kind of work.
struct TimeShare {
    std::string what;
    double milliseconds = 0;
    long count = 0;
    double longest = 0;
};

// An application that times every event it delivers from the event loop (nested deliveries count
// in their outer event), by event type: where a flood's time goes, without a profiler. Measuring
// starts at startMeasuring().
class TimedApplication : public QApplication {
public:
    TimedApplication(int& argc, char** argv);

    bool notify(QObject* receiver, QEvent* event) override;

    void startMeasuring() { measuring_ = true; }
    void stopMeasuring() { measuring_ = false; }
    // The kinds of event by time taken, largest first.
    std::vector<TimeShare> shares() const;

private:
    struct Total {
        qint64 nanoseconds = 0;
        long count = 0;
        qint64 longest = 0;
    };

    QElapsedTimer clock_;
    std::map<int, Total> totals_;
    int depth_ = 0;
    bool measuring_ = false;
};

} // namespace vesk::bench
