#include "input/TriggerEngine.h"

#include "common/Host.h"
#include "common/TextFields.h"
#include "input/CommandSender.h"
#include "preferences/Preferences.h"

namespace vesk {
namespace {

constexpr std::string_view soundSuffix = ".WAV";
constexpr std::string_view controlPrefix = "##";

} // namespace

TriggerEngine::TriggerEngine(Preferences& preferences, CommandSender& sender, Host& host)
    : preferences_(preferences), sender_(sender), host_(host) {}

bool TriggerEngine::isSoundFile(std::string_view text) {
    return text.size() > soundSuffix.size() &&
           equalsIgnoringCase(text.substr(text.size() - soundSuffix.size()), soundSuffix);
}

void TriggerEngine::refreshIndex(const TriggerList& triggers) {
    if (built_ && triggers.revision() == builtRevision_) {
        return;
    }
    index_.build(triggers.records());
    builtRevision_ = triggers.revision();
    built_ = true;
}

bool TriggerEngine::canFire(int position, std::string_view line) const {
    const auto& triggers = preferences_.currentTriggers();
    if (position < 0 || static_cast<std::size_t>(position) >= triggers.size()) {
        return false;
    }
    const TriggerRecord& trigger = triggers[static_cast<std::size_t>(position)];
    return trigger.enabled != 0 && !trigger.pattern.empty() && !trigger.command.empty() &&
           line.starts_with(trigger.pattern);
}

void TriggerEngine::MatchTriggers(std::string_view cleanLine, int& recognised) {
    if (!preferences_.settings.isOn(setting::triggersEnabled) || !sender_.connected() ||
        cleanLine.empty() || cleanLine.starts_with(controlPrefix)) {
        return;
    }
    refreshIndex(preferences_.currentTriggers());
    std::vector<int> matches;
    index_.collectMatches(cleanLine, matches);
    if (matches.empty()) {
        return;
    }
    // The actions echo, send and may show a box; the line and the list are read afresh for each.
    const std::string line(cleanLine);
    for (const int position : matches) {
        if (!canFire(position, line)) {
            continue;
        }
        recognised = 1;
        RunTriggerAction(preferences_.currentTriggers()[static_cast<std::size_t>(position)]);
    }
}

void TriggerEngine::RunTriggerAction(const TriggerRecord& record) {
    const std::string command = record.command;
    for (const std::string_view piece :
         CommandSender::splitStackedCommand(command, sender_.stackSeparator())) {
        RunActionPiece(piece);
    }
}

void TriggerEngine::RunActionPiece(std::string_view text) {
    if (!isSoundFile(text)) {
        sender_.SendCommand(text);
        return;
    }
    if (!preferences_.settings.isOn(setting::soundsEnabled)) {
        return;
    }
    const std::string path(text);
    if (!host_.playSound(path)) {
        host_.showTitledWarning("Trigger", "Error playing WAV file '" + path + "'");
    }
}

} // namespace vesk
