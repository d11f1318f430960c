#pragma once

#include "base/SimOptions.h"

#include <QString>
#include <QStringList>

#include <optional>

namespace vesk::sim {

struct SimOptionsResult {
    std::optional<SimOptions> options; // nothing: print `message` and exit with `exitCode`
    QString message;
    int exitCode = 0;
};

// The command line of vesk-sim, with its help text (which lists the demo characters).
class SimOptionsParser {
public:
    static SimOptionsResult parse(const QStringList& arguments);
};

} // namespace vesk::sim
