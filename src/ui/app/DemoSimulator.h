#pragma once

#include "app/SiteAddresses.h"

#include <QProcess>
#include <QString>

#include <optional>

namespace vesk {

// The built-in FenmarchMUD simulator the demo plays on: a vesk-sim child on free ports of
// 127.0.0.1, ended when the client exits (and, on Linux, by the system should the client be
// killed outright).
class DemoSimulator {
public:
    ~DemoSimulator();

    // Starts it and waits (bounded) until it reports its ports; the addresses of its three
    // sites, or nothing with a reason in error().
    std::optional<SiteAddresses> start(const QString& programPath);
    const QString& error() const { return error_; }

    // vesk-sim beside the client, in the build tree's sibling folder, or on the PATH.
    static QString locate(const QString& clientFolder);

private:
    QProcess process_;
    QString error_;
};

} // namespace vesk
