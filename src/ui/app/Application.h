#pragma once

#include "app/SiteAddresses.h"

#include <QString>

#include <optional>

namespace vesk {

// What the command line asks for: the settings folder, the game host, and the demo on the
// built-in simulator.
struct StartOptions {
    QString directory;
    QString hostName;
    bool demo = false;
    QString simulatorPath;
};

// Reads the arguments; a message for the player (and the exit status) when they are wrong or
// ask for help.
struct ParsedStart {
    std::optional<StartOptions> options;
    QString message;
    int exitCode = 0;
};
ParsedStart parseStartOptions(const QStringList& arguments);

// The folder the settings, logs and transfer files live in: the one named on the command line,
// or the per-user data folder, created when missing. Empty when it cannot be made.
QString settingsFolder(const StartOptions& options);

} // namespace vesk
