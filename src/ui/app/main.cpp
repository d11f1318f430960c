// vesk: the FenmarchMUD desktop client.
#include "VeskVersion.h"
#include "app/Application.h"
#include "app/Client.h"
#include "app/DemoSimulator.h"
#include "app/MainCommands.h"
#include "app/QtHost.h"
#include "app/StartOptions.h"
#include "app/TerminationSignals.h"
#include "common/TextBoundary.h"

#include <QApplication>
#include <QFileInfo>

#include <cstdio>
#include <cstdlib>

namespace {

QStringList argumentsOf(int argc, char** argv) {
    QStringList arguments;
    for (int index = 0; index < argc; ++index) {
        arguments << vesk::fromLocalBytes(argv[index]);
    }
    return arguments;
}

// Without a display Qt would abort; the player gets one clear line instead.
bool displayAvailable() {
#if defined(Q_OS_LINUX) || defined(Q_OS_FREEBSD)
    const auto set = [](const char* name) {
        const char* value = std::getenv(name);
        return value != nullptr && *value != '\0';
    };
    return set("DISPLAY") || set("WAYLAND_DISPLAY") || set("QT_QPA_PLATFORM");
#else
    return true;
#endif
}

} // namespace

int main(int argc, char** argv) {
    const vesk::ParsedStart parsed = vesk::parseStartOptions(argumentsOf(argc, argv));
    if (!parsed.options) {
        std::fputs(vesk::toLocalBytes(parsed.message).c_str(),
                   parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    if (!displayAvailable()) {
        std::fputs("vesk: no display to open a window on (set DISPLAY, or run it under xvfb-run)\n",
                   stderr);
        return 1;
    }
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vesk");
    QApplication::setApplicationVersion(vesk::toQString(vesk::clientVersion));
    QApplication::setWindowIcon(QIcon(":/vesk/icons/vesk.png"));
    // SIGTERM or Ctrl+C ends the client as File > Exit does, the demo's simulator with it. A
    // request that comes while the client is still starting waits for the window.
    vesk::TerminationSignals termination;
    const vesk::StartOptions& options = *parsed.options;
    const QString folder = vesk::settingsFolder(options);
    if (folder.isEmpty()) {
        std::fputs("vesk: the settings folder could not be created\n", stderr);
        return 1;
    }
    vesk::SiteAddresses sites;
    if (!options.hostName.isEmpty() && options.hostName != sites.hostName) {
        sites.hostName = options.hostName;
        sites.fenmarchSite = false;
    }
    vesk::DemoSimulator simulator;
    if (options.demo) {
        const QString program =
            options.simulatorPath.isEmpty()
                ? vesk::DemoSimulator::locate(QApplication::applicationDirPath())
                : options.simulatorPath;
        const auto demoSites = simulator.start(program);
        if (!demoSites) {
            std::fprintf(stderr, "vesk: %s\n", vesk::toLocalBytes(simulator.error()).c_str());
            return 1;
        }
        sites = *demoSites;
        std::printf("vesk: the demo plays on vesk-sim at %s, game port %u\n",
                    vesk::toLocalBytes(sites.hostName).c_str(),
                    static_cast<unsigned>(sites.gamePort));
        std::fflush(stdout);
    }
    vesk::QtHost host;
    vesk::Client client(host, vesk::toLocalBytes(folder));
    const bool firstStart = !QFileInfo::exists(folder + "/Preferences.DAT");
    client.startUp();
    if (options.demo) {
        vesk::offerDemoCharacter(client.preferences());
    }
    vesk::Application desktop(client, host, sites);
    QObject::connect(&termination, &vesk::TerminationSignals::terminationRequested,
                     &desktop.commands(), &vesk::MainCommands::exitClient, Qt::QueuedConnection);
    desktop.show(firstStart);
    return QApplication::exec();
}
