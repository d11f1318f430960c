#include "app/StartOptions.h"

#include "VeskVersion.h"
#include "common/TextBoundary.h"
#include "preferences/Preferences.h"

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
        return {std::nullopt, "vesk " + toQString(clientVersion) + "\n", 0};
    }
    StartOptions options;
    options.directory = parser.value("dir");
    options.hostName = parser.value("host");
    options.demo = parser.isSet("demo");
    options.simulatorPath = parser.value("simulator");
    return {options, {}, 0};
}

QString settingsFolder(const StartOptions& options) {
    QString folder = options.directory;
    if (folder.isEmpty()) {
        folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        if (!folder.isEmpty() && options.demo) {
            folder += "/demo";
        }
    }
    if (folder.isEmpty() || !QDir().mkpath(folder)) {
        return {};
    }
    return QDir(folder).absolutePath();
}

void offerDemoCharacter(Preferences& preferences) {
    if (preferences.characters.usedCount() > 0) {
        return;
    }
    const int slot = preferences.characters.addNew();
    if (slot < 0) {
        return;
    }
    preferences.characters[slot].name = "Tamsin";
    preferences.characters[slot].password = "tamsin";
    preferences.characters[slot].isDefault = 1;
}

} // namespace vesk
