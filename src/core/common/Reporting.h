#pragma once

#include "common/Host.h"

#include <filesystem>
#include <string>

namespace vesk {

// The three reporting routines every part of the client uses, plus the plain append to the
// diagnostic log. They are thin: the decision what to report stays with the caller.
class Reporting {
public:
    Reporting(Host& host, std::filesystem::path diagnosticLog);

    // Trace for developers; every ':' becomes ';' as the trace channel has always shown it.
    void debugTrace(const std::string& message);
    // A modal "Warning" box.
    void warningBox(const std::string& message);
    // Appends the message to the diagnostic log, traces it and ends the process with a
    // failure status. Callers return immediately afterwards.
    void fatalError(const std::string& message);
    // Appends the message as it stands to the diagnostic log; the program goes on.
    void appendToDiagnosticLog(const std::string& message);

    // Starts a fresh diagnostic log, as the client does at start-up.
    void removeDiagnosticLog();

    Host& host() { return host_; }
    const std::filesystem::path& diagnosticLogPath() const { return diagnosticLog_; }

private:
    Host& host_;
    std::filesystem::path diagnosticLog_;
};

} // namespace vesk
