#include "app/Application.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QStandardPaths>

namespace vesk {

ParsedStart parseStartOptions(const QStringList& arguments) {
    QCommandLineParser parser;
    parser.setApplicationDescription("Vesk, the desktop client for FenmarchMUD.");
    parser.addHelpOption();
    parser.addVersionOption();
    parser.addOption({"dir", "Keep settings, logs and transfer files in DIR.", "DIR"});
    parser.addOption({"host", "The game server's host name (all three sites).", "NAME"});
    parser.addOption({"demo", "Play on the built-in FenmarchMUD simulator."});
    parser.addOption({"simulator", "The vesk-sim program the demo starts.", "PATH"});
    if (!parser.parse(arguments)) {
        return {std::nullopt, parser.errorText() + "\n", 2};
    }
    if (parser.isSet("help")) {
        return {std::nullopt, parser.helpText(), 0};
    }
    if (parser.isSet("version")) {
        return {std::nullopt, "vesk 2.04\n", 0};
    }
    StartOptions options;
    options.directory = parser.value("dir");
    options.hostName = parser.value("host");
    options.demo = parser.isSet("demo");
    options.simulatorPath = parser.value("simulator");
    return {options, {}, 0};
}

QString settingsFolder(const StartOptions& options) {
    const QString folder = options.directory.isEmpty()
                               ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                               : options.directory;
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    return QDir(folder).absolutePath();
}

} // namespace vesk
