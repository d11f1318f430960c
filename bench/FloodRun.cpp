#include "FloodRun.h"

#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "display/OutputView.h"
#include "input/InputLineEdit.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QWidget>

#include <algorithm>

namespace vesk::bench {

namespace {

constexpr std::string_view loginLine = "Allowing login.";
constexpr std::string_view endMarker = "<<< vesk-sim flood end >>>";
// How long typed commands may take to show in the simulator's log once the flood is over.
constexpr auto arrivalGrace = std::chrono::seconds(3);

double millisecondsBetween(BenchClock::time_point from, BenchClock::time_point to) {
    return std::chrono::duration<double, std::milli>(to - from).count();
}

} // namespace

FloodRun::FloodRun(Client& client, QtHost& host, Application& desktop, SimulatorChild& simulator,
                   std::chrono::milliseconds keyInterval, std::chrono::milliseconds bound)
    : client_(client), desktop_(desktop), window_(desktop.window()), simulator_(simulator),
      typer_(desktop.window().inputLine(), keyInterval), bound_(bound) {
    connect(&watchdog_, &QTimer::timeout, this, &FloodRun::watch);
    connect(&host, &QtHost::changedSignal, this, &FloodRun::onChanged);
    window_.outputView().installEventFilter(this);
    window_.inputLine().installEventFilter(this);
}

FloodRun::~FloodRun() {
    typer_.stop();
}

FloodResult FloodRun::run(qint64 floodBytes) {
    floodBytes_ = floodBytes;
    started_ = BenchClock::now();
    watchdog_.start(50);
    desktop_.commands().connectToGame();
    QApplication::exec();
    return result_;
}

bool FloodRun::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_.outputView() && event->type() == QEvent::Paint && !endShown_) {
        ++result_.paints;
    }
    if (watched == &window_.inputLine() && event->type() == QEvent::KeyPress &&
        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return) {
        entersTaken_.push_back(BenchClock::now());
    }
    return QObject::eventFilter(watched, event);
}

// Called for every change, so it looks only at the rows that are new (the last of them may have
// grown since the last look). The flood follows the server's login line at once.
void FloodRun::onChanged(Change what) {
    if (what != Change::MainBuffer || endShown_) {
        return;
    }
    const TextBuffer& buffer = client_.mainBuffer();
    // Lines dropped off the top of the scroll-back move the ones seen up with them.
    linesSeen_ -= static_cast<int>(buffer.droppedLines() - droppedSeen_);
    droppedSeen_ = buffer.droppedLines();
    for (int index = std::max(0, linesSeen_ - 1); index < buffer.LineCount(); ++index) {
        // A flood of empty lines is passed over a run at a time, so looking for the end line
        // does not cost the window's thread more than the window does.
        index += buffer.emptyLinesFrom(index, buffer.LineCount() - index);
        if (index >= buffer.LineCount()) {
            break;
        }
        const std::string_view text = buffer.lineText(index);
        if (!typing_ && text.find(loginLine) != std::string_view::npos) {
            floodBegins();
        }
        if (text.find(endMarker) != std::string_view::npos) {
            return floodEnds();
        }
    }
    linesSeen_ = buffer.LineCount();
}

void FloodRun::floodBegins() {
    typing_ = true;
    typer_.start();
    if (startMeasuring_) {
        startMeasuring_();
    }
}

void FloodRun::floodEnds() {
    endShown_ = BenchClock::now();
    if (stopMeasuring_) {
        stopMeasuring_();
    }
    typer_.stop();
}

void FloodRun::watch() {
    if (QWidget* modal = QApplication::activeModalWidget()) {
        return finish("a modal window appeared: " + modal->windowTitle().toStdString());
    }
    const auto now = BenchClock::now();
    if (now - started_ > bound_) {
        return finish("the flood did not end in time");
    }
    if (!endShown_) {
        return;
    }
    const auto typed = typer_.typed();
    const bool allArrived = std::all_of(typed.begin(), typed.end(), [this](const auto& command) {
        return simulator_.find("sent: " + command.text).has_value();
    });
    if (allArrived || now - *endShown_ > arrivalGrace) {
        measureKeys();
        finish({});
    }
}

void FloodRun::measureKeys() {
    const auto floodStart = simulator_.find("flood: sending");
    if (!floodStart) {
        result_.failure = "the simulator never started the flood";
        return;
    }
    result_.seconds = millisecondsBetween(floodStart->at, *endShown_) / 1000.0;
    result_.megabytesPerSecond = static_cast<double>(floodBytes_) / 1e6 / result_.seconds;
    result_.lines = client_.mainBuffer().LineCount();
    const auto serverWrote = simulator_.find("flood: sent");
    const auto typed = typer_.typed();
    for (std::size_t index = 0; index < typed.size(); ++index) {
        const TypedCommand& command = typed[index];
        if (command.enterPosted < floodStart->at || command.enterPosted > *endShown_) {
            continue;
        }
        // The input line takes the Enters in the order they were typed.
        if (index < entersTaken_.size()) {
            result_.keyQueueWaits.push_back(
                millisecondsBetween(command.enterPosted, entersTaken_[index]));
        }
        const auto arrival = simulator_.find("sent: " + command.text);
        if (arrival) {
            const double latency = millisecondsBetween(command.enterPosted, arrival->at);
            result_.keyLatencies.push_back(latency);
            if (serverWrote && command.enterPosted > serverWrote->at) {
                result_.keyLatenciesAfterServerWrote.push_back(latency);
            }
        } else {
            ++result_.keysLost;
        }
    }
    result_.finished = true;
}

void FloodRun::finish(const std::string& failure) {
    watchdog_.stop();
    typer_.stop();
    if (!failure.empty() && result_.failure.empty()) {
        result_.failure = failure;
    }
    QApplication::quit();
}

} // namespace vesk::bench
