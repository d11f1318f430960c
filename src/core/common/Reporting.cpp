#include "common/Reporting.h"

#include <algorithm>
#include <fstream>

namespace vesk {

Reporting::Reporting(Host& host, std::filesystem::path diagnosticLog)
    : host_(host), diagnosticLog_(std::move(diagnosticLog)) {}

void Reporting::debugTrace(const std::string& message) {
    std::string traced = message;
    std::replace(traced.begin(), traced.end(), ':', ';');
    host_.debugOutput(traced);
}

void Reporting::warningBox(const std::string& message) { host_.showWarning(message); }

void Reporting::fatalError(const std::string& message) {
    appendToDiagnosticLog(message + "\n");
    debugTrace(message);
    host_.terminate(1);
}

void Reporting::appendToDiagnosticLog(const std::string& message) {
    std::ofstream log(diagnosticLog_, std::ios::binary | std::ios::app);
    log.write(message.data(), static_cast<std::streamsize>(message.size()));
}

void Reporting::removeDiagnosticLog() {
    std::error_code ignored;
    std::filesystem::remove(diagnosticLog_, ignored);
}

} // namespace vesk
