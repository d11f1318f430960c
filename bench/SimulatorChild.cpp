#include "SimulatorChild.h"

#include <QProcess>
#include <QRegularExpression>

#include <algorithm>

#ifdef Q_OS_LINUX
#include <csignal>
#include <sys/prctl.h>
#endif

namespace vesk::bench {

SimulatorChild::SimulatorChild(QString program, QStringList arguments)
    : reader_([this, program, arguments] { run(program, arguments); }) {}

SimulatorChild::~SimulatorChild() {
    stop_ = true;
    reader_.join();
}

// The process lives on the reader thread: Qt's blocking waits need no event loop there.
void SimulatorChild::run(QString program, QStringList arguments) {
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#ifdef Q_OS_LINUX
    // A benchmark stopped half-way takes its simulator with it.
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
#endif
    process.start(program, arguments);
    if (process.waitForStarted(5000)) {
        while (!stop_ && process.state() == QProcess::Running) {
            process.waitForReadyRead(20);
            while (process.canReadLine()) {
                keep(process.readLine().trimmed().toStdString());
            }
        }
        process.terminate();
        if (!process.waitForFinished(2000)) {
            process.kill();
            process.waitForFinished(1000);
        }
    }
    const std::lock_guard lock(mutex_);
    ended_ = true;
    changed_.notify_all();
}

void SimulatorChild::keep(const std::string& text) {
    const auto at = BenchClock::now();
    const std::lock_guard lock(mutex_);
    lines_.push_back({at, text});
    changed_.notify_all();
}

std::optional<SiteAddresses> SimulatorChild::waitUntilReady(std::chrono::milliseconds bound) {
    std::unique_lock lock(mutex_);
    const bool ready = changed_.wait_for(lock, bound, [this] {
        return ended_ || std::any_of(lines_.begin(), lines_.end(), [](const TimedLine& line) {
                   return line.text == "vesk-sim: ready";
               });
    });
    if (!ready || ended_) {
        return std::nullopt;
    }
    SiteAddresses sites;
    sites.hostName = "127.0.0.1";
    const QRegularExpression portLine("^vesk-sim: (game|who|devel) port (\\d+)");
    for (const TimedLine& line : lines_) {
        const auto match = portLine.match(QString::fromStdString(line.text));
        if (match.hasMatch()) {
            const auto port = static_cast<quint16>(match.captured(2).toUInt());
            const QString kind = match.captured(1);
            (kind == "game"  ? sites.gamePort
             : kind == "who" ? sites.whoPort
                             : sites.developmentPort) = port;
        }
    }
    return sites;
}

std::vector<TimedLine> SimulatorChild::lines() const {
    const std::lock_guard lock(mutex_);
    return lines_;
}

std::optional<TimedLine> SimulatorChild::find(const std::string& text) const {
    const std::lock_guard lock(mutex_);
    for (const TimedLine& line : lines_) {
        if (line.text.find(text) != std::string::npos) {
            return line;
        }
    }
    return std::nullopt;
}

} // namespace vesk::bench
