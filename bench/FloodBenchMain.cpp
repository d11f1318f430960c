// vesk-flood-bench: the whole client under a flood. A vesk-sim child sends a realistic capture
// as fast as the socket takes it; the real main window (offscreen) shows it while commands are
// typed every so often. Prints the rate from the server's first byte to the end line shown in
// the window, and how long each command typed meanwhile took to reach the server.
//
// --shape floods a window instead of the output pane: "news" (--megabytes of NEWS lines, the
// news window pops up), "files" (--count files listed in the open file browser), "topics"
// (a help list of --count topics, five times, in the open help browser); "linefeeds" floods the
// output pane with --megabytes of bare line feeds, millions of empty lines.
//
// The window's peak resident memory is printed at the end, for the scroll-back's bound.
//
//   vesk-flood-bench [--megabytes N] [--capture FILE]
//                    [--shape news|files|topics|linefeeds] [--count N]
//                    [--sim PATH] [--key-interval MS] [--bound SECONDS] [--repeat N]
#include "CaptureGenerator.h"
#include "ChangeTimer.h"
#include "FloodRun.h"
#include "SimulatorChild.h"
#include "TimedApplication.h"
#include "WindowFloods.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/MainCommands.h"
#include "app/MainWindow.h"
#include "app/QtHost.h"
#include "settings/SettingsTable.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <optional>

namespace {

struct BenchOptions {
    int megabytes = 50;
    QString capture;
    std::optional<vesk::bench::WindowFlood> shape;
    int count = 100000;
    QString simulator = VESK_SIM_PATH;
    int keyIntervalMs = 50;
    // The simulator sends the capture this many times: a flood of hundreds of megabytes
    // without a capture file (or a single write) that large.
    int repeat = 1;
    int boundSeconds = 120;
};

std::optional<BenchOptions> parse(const QStringList& arguments) {
    BenchOptions options;
    for (int index = 1; index + 1 < arguments.size(); index += 2) {
        const QString& name = arguments[index];
        const QString& value = arguments[index + 1];
        if (name == "--megabytes") {
            options.megabytes = std::max(1, value.toInt());
        } else if (name == "--capture") {
            options.capture = value;
        } else if (name == "--shape") {
            options.shape = vesk::bench::windowFloodNamed(value.toStdString());
            if (!options.shape) {
                return std::nullopt;
            }
        } else if (name == "--count") {
            options.count = std::max(1, value.toInt());
        } else if (name == "--sim") {
            options.simulator = value;
        } else if (name == "--bound") {
            options.boundSeconds = std::max(1, value.toInt());
        } else if (name == "--key-interval") {
            options.keyIntervalMs = std::max(10, value.toInt());
        } else if (name == "--repeat") {
            options.repeat = std::max(1, value.toInt());
        } else {
            return std::nullopt;
        }
    }
    if (arguments.size() % 2 == 0) {
        return std::nullopt;
    }
    return options;
}

// The capture to flood with: the one named, or a fresh one of the asked size.
QString capturePath(const BenchOptions& options, const QTemporaryDir& folder) {
    if (!options.capture.isEmpty()) {
        return options.capture;
    }
    const QString path = folder.filePath("capture.bin");
    const std::size_t megabytes = static_cast<std::size_t>(options.megabytes);
    const std::string capture =
        !options.shape ? vesk::bench::generateCapture(megabytes * 1024 * 1024)
        : vesk::bench::sizedInMegabytes(*options.shape)
            ? vesk::bench::generateWindowFlood(*options.shape, megabytes)
            : vesk::bench::generateWindowFlood(*options.shape,
                                               static_cast<std::size_t>(options.count));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(capture.data(), static_cast<qint64>(capture.size())) !=
            static_cast<qint64>(capture.size())) {
        return {};
    }
    return path;
}

// Logs in as a stored character, so no dialog asks for the name, and keeps the login dialog
// from opening at start (nobody is there to close it).
void storeCharacter(vesk::Client& client) {
    client.preferences().settings.setNumber(vesk::setting::displayLoginAtStartup, 0);
    client.preferences().settings.setNumber(vesk::setting::displayLoginAtDisconnect, 0);
    const int slot = client.preferences().characters.addNew();
    client.preferences().characters[slot].name = "Tamsin";
    client.preferences().characters[slot].password = "tamsin";
    client.connectWithCharacter(slot);
}

std::pair<double, double> medianAndWorst(std::vector<double> values) {
    if (values.empty()) {
        return {0, 0};
    }
    std::sort(values.begin(), values.end());
    return {values[values.size() / 2], values.back()};
}

void printShares(const char* title, const std::vector<vesk::bench::TimeShare>& shares) {
    std::printf("%s\n", title);
    for (std::size_t index = 0; index < shares.size() && index < 8; ++index) {
        const vesk::bench::TimeShare& share = shares[index];
        std::printf("  %-24s %9.1f ms %8ld times", share.what.c_str(), share.milliseconds,
                    share.count);
        if (share.longest > 0) {
            std::printf(", longest %.1f ms", share.longest);
        }
        std::printf("\n");
    }
}

// CPU time of the calling thread, in seconds: on a machine shared with other work the wall
// time says more about the others than about the window.
double threadCpuSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

void resetPeakResident() {
    QFile clear("/proc/self/clear_refs");
    if (clear.open(QIODevice::WriteOnly)) {
        clear.write("5");
    }
}

// The most memory the process has held, in MB, or -1 where the system does not say.
double peakResidentMegabytes() {
    QFile status("/proc/self/status");
    if (!status.open(QIODevice::ReadOnly)) {
        return -1;
    }
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:")) {
            return line.mid(6).trimmed().split(' ').front().toDouble() / 1024.0;
        }
    }
    return -1;
}

// A flood aimed at the output pane must be taken at the flood rate with typed commands
// arriving promptly; one aimed at another window has the key latency as its only target.
int report(const vesk::bench::FloodResult& result, const vesk::bench::SimulatorChild& simulator,
           qint64 bytes, bool rateTarget, double cpuSeconds) {
    if (!result.finished) {
        std::printf("flood bench failed: %s; the simulator's last lines:\n",
                    result.failure.c_str());
        const auto lines = simulator.lines();
        for (std::size_t index = lines.size() > 40 ? lines.size() - 40 : 0; index < lines.size();
             ++index) {
            std::printf("  %s\n", lines[index].text.c_str());
        }
        return 1;
    }
    std::printf("flood: %.1f MB in %.3f s through the window: %.1f MB/s (target %s), "
                "%d lines stored, %d paints of the output pane\n",
                static_cast<double>(bytes) / 1e6, result.seconds, result.megabytesPerSecond,
                rateTarget ? "80" : "none", result.lines, result.paints);
    std::printf("window thread CPU during the flood: %.3f s, %.1f MB per CPU second\n", cpuSeconds,
                cpuSeconds > 0 ? static_cast<double>(bytes) / 1e6 / cpuSeconds : 0.0);
    if (const auto line = simulator.find("flood: sent")) {
        std::printf("server side: %s\n", line->text.c_str());
    }
    const auto [median, worst] = medianAndWorst(result.keyLatencies);
    const auto [afterMedian, afterWorst] = medianAndWorst(result.keyLatenciesAfterServerWrote);
    const auto [waitMedian, waitWorst] = medianAndWorst(result.keyQueueWaits);
    const double medianTarget = rateTarget ? 10 : 100;
    const double worstTarget = rateTarget ? 50 : 100;
    std::printf("keys: %zu commands typed during the flood, Enter to arrival at the server: "
                "median %.1f ms (target %.0f), worst %.1f ms (target %.0f), %d never arrived\n",
                result.keyLatencies.size(), median, medianTarget, worst, worstTarget,
                result.keysLost);
    std::printf("  of that in the window's event queue: median %.1f ms, worst %.1f ms\n",
                waitMedian, waitWorst);
    std::printf("  the %zu typed after the simulator had written everything: median %.1f ms, "
                "worst %.1f ms\n",
                result.keyLatenciesAfterServerWrote.size(), afterMedian, afterWorst);
    if (qEnvironmentVariableIsSet("VESK_BENCH_LATENCIES")) {
        for (const double latency : result.keyLatencies) {
            std::printf(" %.1f", latency);
        }
        std::printf("\n");
    }
    std::printf("memory: peak resident %.1f MB\n", peakResidentMegabytes());
    const bool met = (!rateTarget || result.megabytesPerSecond >= 80) &&
                     !result.keyLatencies.empty() && median <= medianTarget &&
                     worst <= worstTarget && result.keysLost == 0;
    std::printf("%s\n", met ? "targets met" : "TARGET MISSED");
    return met ? 0 : 1;
}

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    vesk::bench::TimedApplication application(argc, argv);
    const auto options = parse(QApplication::arguments());
    if (!options) {
        std::fprintf(stderr, "usage: vesk-flood-bench [--megabytes N] [--capture FILE] "
                             "[--shape news|files|topics|linefeeds] [--count N] [--sim PATH] "
                             "[--key-interval MS] [--bound SECONDS] [--repeat N]\n");
        return 2;
    }
    QTemporaryDir folder;
    const QString capture = capturePath(*options, folder);
    const qint64 bytes = QFile(capture).size() * options->repeat;
    // The capture was made in this process; the peak that counts is the window's own.
    resetPeakResident();
    if (capture.isEmpty() || bytes <= 0) {
        std::fprintf(stderr, "vesk-flood-bench: no capture to send\n");
        return 1;
    }
    vesk::bench::SimulatorChild simulator(options->simulator,
                                          {"--game-port", "0", "--who-port", "0", "--devel-port",
                                           "0", "--chatter-ms", "0", "--flood", capture, "--repeat",
                                           QString::number(options->repeat)});
    const auto sites = simulator.waitUntilReady(std::chrono::seconds(10));
    if (!sites) {
        std::fprintf(stderr, "vesk-flood-bench: vesk-sim did not start (%s)\n",
                     options->simulator.toLocal8Bit().constData());
        return 1;
    }
    const QString settings = folder.filePath("settings");
    QDir().mkpath(settings);
    vesk::QtHost host;
    vesk::Client client(host, settings.toStdString());
    client.startUp();
    storeCharacter(client);
    vesk::bench::ChangeTimer changeTimer(host);
    vesk::Application desktop(client, host, *sites);
    vesk::MainWindow& window = desktop.window();
    window.resize(1920, 1080);
    window.show();
    vesk::bench::FloodRun run(client, host, desktop, simulator,
                              std::chrono::milliseconds(options->keyIntervalMs),
                              std::chrono::seconds(options->boundSeconds));
    changeTimer.finishConnecting();
    // The browsers a flood fills are open while it comes, as a player would have them.
    if (options->shape == vesk::bench::WindowFlood::Files) {
        desktop.commands().showFileBrowser();
    }
    double cpuAtStart = 0;
    double cpuSeconds = 0;
    run.setMeasuring(
        [&] {
            cpuAtStart = threadCpuSeconds();
            if (options->shape == vesk::bench::WindowFlood::Topics) {
                desktop.commands().showOnlineHelp();
            }
            application.startMeasuring();
            changeTimer.start();
        },
        [&] {
            cpuSeconds = threadCpuSeconds() - cpuAtStart;
            application.stopMeasuring();
            changeTimer.stop();
        });
    const vesk::bench::FloodResult result = run.run(bytes);
    const bool outputFlood =
        !options->shape.has_value() || options->shape == vesk::bench::WindowFlood::LineFeeds;
    const int status = report(result, simulator, bytes, outputFlood, cpuSeconds);
    printShares("where the window's time went during the flood, by event:", application.shares());
    printShares("of which the window's handling of change notices:", changeTimer.shares());
    desktop.commands().exitClient();
    return status;
}
