#include "app/DemoSimulator.h"

#include "common/TextBoundary.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStandardPaths>

#if defined(Q_OS_LINUX)
#include <csignal>
#include <sys/prctl.h>
#include <unistd.h>
#endif

namespace vesk {

DemoSimulator::~DemoSimulator() {
    if (process_.state() != QProcess::NotRunning) {
        process_.terminate();
        if (!process_.waitForFinished(2000)) {
            process_.kill();
            process_.waitForFinished(1000);
        }
    }
}

QString DemoSimulator::locate(const QString& clientFolder) {
    for (const QString& candidate :
         {clientFolder + "/vesk-sim", clientFolder + "/../sim/vesk-sim"}) {
        if (QFileInfo(candidate).isExecutable()) {
            return QFileInfo(candidate).absoluteFilePath();
        }
    }
    return QStandardPaths::findExecutable("vesk-sim");
}

std::optional<SiteAddresses> DemoSimulator::start(const QString& programPath) {
    if (programPath.isEmpty()) {
        error_ = "the simulator vesk-sim was not found";
        return std::nullopt;
    }
    process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
#if defined(Q_OS_LINUX)
    // Should the client die without ending it (killed outright), the system ends the simulator
    // too instead of leaving it running on its ports. A client gone before this line ran is
    // caught by comparing the parent.
    const pid_t client = ::getpid();
    process_.setChildProcessModifier([client] {
        ::prctl(PR_SET_PDEATHSIG, SIGTERM);
        if (::getppid() != client) {
            ::raise(SIGTERM);
        }
    });
#endif
    process_.start(programPath, {"--game-port", "0", "--who-port", "0", "--devel-port", "0"});
    if (!process_.waitForStarted(5000)) {
        error_ = "the simulator could not be started: " + process_.errorString();
        return std::nullopt;
    }
    SiteAddresses sites;
    sites.hostName = "127.0.0.1";
    const QRegularExpression portLine("^vesk-sim: (game|who|devel) port (\\d+)");
    QDeadlineTimer deadline(10000);
    while (!deadline.hasExpired()) {
        if (!process_.canReadLine() && !process_.waitForReadyRead(deadline.remainingTime())) {
            break;
        }
        while (process_.canReadLine()) {
            const QByteArray raw = process_.readLine();
            const QString line =
                fromLocalBytes({raw.constData(), static_cast<std::size_t>(raw.size())}).trimmed();
            if (line == "vesk-sim: ready") {
                return sites;
            }
            const auto match = portLine.match(line);
            if (!match.hasMatch()) {
                continue;
            }
            const auto port = static_cast<quint16>(match.captured(2).toUInt());
            const QString kind = match.captured(1);
            (kind == "game"  ? sites.gamePort
             : kind == "who" ? sites.whoPort
                             : sites.developmentPort) = port;
        }
    }
    error_ = "the simulator did not report its ports";
    return std::nullopt;
}

} // namespace vesk
