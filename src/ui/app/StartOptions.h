#pragma once

#include "app/SiteAddresses.h"

#include <QString>

#include <optional>

namespace vesk {

class Preferences;

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
// or the per-user data folder (a "demo" folder inside it for the demo, so playing the demo never
// touches the player's own settings), created when missing. Empty when it cannot be made.
QString settingsFolder(const StartOptions& options);

// The demo offers the simulator's player character in the login dialog, unless the demo folder
// already holds characters of the player's own making.
void offerDemoCharacter(Preferences& preferences);

} // namespace vesk
