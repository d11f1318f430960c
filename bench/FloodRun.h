#pragma once

#include "KeyTyper.h"
#include "SimulatorChild.h"
#include "common/Host.h"

#include <QObject>
#include <QTimer>

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

namespace vesk {
class Client;
class Application;
class MainWindow;
class QtHost;
} // namespace vesk

namespace vesk::bench {

// What one flood through the window measured.
struct FloodResult {
    bool finished = false;
    std::string failure;
    double seconds = 0;
    double megabytesPerSecond = 0;
    int lines = 0;
    int paints = 0;
    // Enter posted to the arrival of the line at the server, for each command typed while the
    // flood ran, in milliseconds.
    std::vector<double> keyLatencies;
    // The same for the commands typed once the simulator had written the whole flood: before
    // that it takes one of the machine's cores for itself.
    std::vector<double> keyLatenciesAfterServerWrote;
    // Of the latency, the wait in the event queue: Enter posted to Enter taken by the input line.
    std::vector<double> keyQueueWaits;
    int keysLost = 0;
};

// Watches one flood through the real main window: logs in (the window's own connect command, a
// stored character), types commands while the flood runs, and notes when the end marker shows
// in the main pane. Bounded: it gives up after `bound`, or when a modal box appears, since
// nobody is there to answer it.
class FloodRun : public QObject {
    Q_OBJECT
public:
    FloodRun(Client& client, QtHost& host, Application& desktop, SimulatorChild& simulator,
             std::chrono::milliseconds keyInterval, std::chrono::milliseconds bound);
    ~FloodRun() override;

    // Called when the flood starts (at login) and when its end shows, to time what lies between.
    void setMeasuring(std::function<void()> start, std::function<void()> stop) {
        startMeasuring_ = std::move(start);
        stopMeasuring_ = std::move(stop);
    }

    // Runs the event loop until the flood is over and the typed commands have arrived.
    FloodResult run(qint64 floodBytes);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void onChanged(Change what);
    void floodBegins();
    void floodEnds();
    void watch();
    void finish(const std::string& failure);
    void measureKeys();

    Client& client_;
    Application& desktop_;
    MainWindow& window_;
    SimulatorChild& simulator_;
    KeyTyper typer_;
    std::chrono::milliseconds bound_;
    bool typing_ = false;
    int linesSeen_ = 0;
    std::uint64_t droppedSeen_ = 0;
    std::optional<BenchClock::time_point> endShown_;
    BenchClock::time_point started_;
    QTimer watchdog_;
    FloodResult result_;
    qint64 floodBytes_ = 0;
    std::vector<BenchClock::time_point> entersTaken_;
    std::function<void()> startMeasuring_;
    std::function<void()> stopMeasuring_;
};

} // namespace vesk::bench
