// vesk-sim: a small FenmarchMUD for the demo and the end-to-end tests (see README.md).
#include "server/SimOptionsParser.h"
#include "server/SimServer.h"

#include <QCoreApplication>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    const auto parsed = vesk::sim::SimOptionsParser::parse(application.arguments());
    if (!parsed.options) {
        std::fputs(parsed.message.toLocal8Bit().constData(),
                   parsed.exitCode == 0 ? stdout : stderr);
        return parsed.exitCode;
    }
    vesk::sim::SimServer server(*parsed.options);
    QObject::connect(&server, &vesk::sim::SimServer::scriptFinished, &application,
                     [](bool passed) { QCoreApplication::exit(passed ? 0 : 1); });
    if (!server.start()) {
        return 1;
    }
    return QCoreApplication::exec();
}
