#include "log/SessionLog.h"

#include "common/Reporting.h"
#include "common/TextFields.h"
#include "common/TextFormat.h"
#include "settings/Settings.h"

#include <algorithm>
#include <ctime>
#include <fstream>

namespace vesk {
namespace {

const std::string rule(64, '=');

std::string replaced(std::string text, char from, char to) {
    std::replace(text.begin(), text.end(), from, to);
    return text;
}

// File names hold at most 255 bytes. The character's part is kept well below that, so with
// "Log_", the date, the time and ".txt" the whole name always fits.
constexpr std::size_t longestNameInFileName = 200;

bool flagIsOne(const Settings& settings, int index) {
    return settings.number(setting::logAutoNameOpt, index) == 1;
}

} // namespace

SessionLog::SessionLog(const Settings& settings, Reporting& reporting, std::filesystem::path folder,
                       Clock clock)
    : settings_(settings), reporting_(reporting), folder_(std::move(folder)),
      clock_(std::move(clock)) {}

localDateTime SessionLog::systemLocalTime() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
#if defined(_WIN32)
    localtime_s(&local, &now);
#else
    localtime_r(&now, &local);
#endif
    return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday,
            local.tm_hour,        local.tm_min,     local.tm_sec};
}

bool SessionLog::categoryWanted(int category) const {
    if (category == LogCategory::Header) {
        return true;
    }
    if (category < LogCategory::Tell || category > LogCategory::Other) {
        return false;
    }
    if (settings_.number(setting::logEverything) != 0) {
        return true;
    }
    static constexpr SettingKey switches[] = {setting::logTells, setting::logShouts,
                                              setting::logSays, setting::logChannels,
                                              setting::logEverythingElse};
    return settings_.number(switches[category]) != 0;
}

bool SessionLog::waitingForCharacterName() const {
    return settings_.isOn(setting::logAutoName) && flagIsOne(settings_, 0) &&
           characterName_.empty();
}

void SessionLog::WriteLog(std::string_view text, int category) {
    if (!loggingOn_ || waitingForCharacterName() || !categoryWanted(category)) {
        return;
    }
    std::filesystem::path path = folder_ / LogFileName();
    if (holds_ > 0) {
        if (!held_.empty() && path != heldPath_) {
            writeHeld();
        }
        heldPath_ = std::move(path);
        held_.append(text);
        held_.push_back('\n');
        return;
    }
    std::string entry(text);
    entry.push_back('\n');
    append(path, entry);
}

void SessionLog::writeHeld() {
    if (!held_.empty()) {
        append(heldPath_, held_);
        held_.clear();
    }
}

void SessionLog::append(const std::filesystem::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::app);
    if (file) {
        file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
        file.close();
    }
    // A full disk is as much a lost entry as a file that does not open. The player hears of
    // it once, not with a box for every line, until an entry is written again or logging is
    // switched off and on.
    if (file) {
        failureReported_ = false;
    } else if (!failureReported_) {
        failureReported_ = true;
        reporting_.warningBox("Unable to open log file for appending!");
    }
}

std::string SessionLog::LogFileName() const {
    if (!settings_.isOn(setting::logAutoName)) {
        return settings_.text(setting::logFile);
    }
    std::string name = "Log";
    if (!characterName_.empty() && flagIsOne(settings_, 0)) {
        name += "_" + safeForFileName(characterName_, longestNameInFileName);
    }
    if (!connectionDate_.empty() && flagIsOne(settings_, 1)) {
        name += "__" + replaced(connectionDate_, '/', '_');
    }
    if (!connectionTime_.empty() && flagIsOne(settings_, 2)) {
        name += "__" + replaced(connectionTime_, ':', '_');
    }
    return name + ".txt";
}

void SessionLog::SetCharacterName(std::string_view name) {
    const std::string previous = characterName_;
    characterName_ = std::string(name);
    if (loggingOn_ && !characterName_.empty() && !equalsIgnoringCase(previous, characterName_) &&
        !connectionDate_.empty()) {
        writeHeader();
    }
    reporting_.host().changed(Change::Title);
}

void SessionLog::writeHeader() {
    WriteLog("\n" + rule, LogCategory::Header);
    WriteLog(formatText("Log for %s started on %s, at %s", characterName_.c_str(),
                        connectionDate_.c_str(), connectionTime_.c_str()),
             LogCategory::Header);
    WriteLog(rule + "\n", LogCategory::Header);
}

void SessionLog::ToggleLogging(const std::function<std::string()>& mainViewText) {
    writeHeld();
    loggingOn_ = !loggingOn_;
    failureReported_ = false;
    reporting_.host().changed(Change::Menu);
    if (loggingOn_ && settings_.isOn(setting::logPrepend) && mainViewText) {
        WriteLog(mainViewText(), LogCategory::Other);
    }
}

void SessionLog::connectionMade() {
    const localDateTime now = clock_();
    connectionDate_ = formatText("%02d/%02d/%02d", now.month, now.day, now.year % 100);
    connectionTime_ = formatText("%02d:%02d:%02d", now.hour, now.minute, now.second);
}

void SessionLog::logEchoedCommand(std::string_view text) {
    if (!inputHidden_) {
        WriteLog(text, LogCategory::Other);
    }
}

} // namespace vesk
