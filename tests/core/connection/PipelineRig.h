#pragma once

#include "RecordingEvents.h"
#include "RecordingTriggers.h"
#include "connection/ReceivePath.h"
#include "connection/TelnetFilter.h"
#include "display/TextBuffer.h"
#include "protocol/ServerLineParser.h"
#include "status/StatusModel.h"

#include <sstream>
#include <string>
#include <vector>

namespace vesk::testing {

// The receive path with a real parser and status model and recording neighbours, connected.
struct PipelineRig {
    PipelineRig() { session.connected = true; }

    void feed(const std::vector<std::string>& reads) {
        for (const auto& read : reads) {
            std::string text;
            telnet.filter(read, text);
            path.receive(text);
        }
    }

    std::vector<std::string> texts() const {
        std::vector<std::string> result;
        for (int index = 0; index < buffer.LineCount(); ++index) {
            result.emplace_back(buffer.line(index).text);
        }
        return result;
    }

    // What the player sees: each row's displayable text. A final empty row is the cursor's line
    // after a completed line, whichever way the break arrived, so it is left out.
    std::vector<std::string> visibleRows() const {
        std::vector<std::string> rows;
        for (int index = 0; index < buffer.LineCount(); ++index) {
            rows.push_back(*buffer.GetPlainLine(index));
        }
        if (!rows.empty() && rows.back().empty()) {
            rows.pop_back();
        }
        return rows;
    }

    std::string statusSummary() {
        std::ostringstream out;
        out << status.hp << '/' << status.hpMax << ' ' << status.sp << '/' << status.spMax << ' '
            << status.mp << '/' << status.mpMax << " xp " << status.xp << ',' << status.xpNextLevel
            << ',' << status.xpEarned << " name " << status.characterName() << " limbs";
        for (const auto& entry : status.limbDamage.entries()) {
            out << ' ' << entry.name << '=' << entry.value;
        }
        for (const auto& entry : status.limbArmour.entries()) {
            out << ' ' << entry.name << ':' << entry.value;
        }
        for (const auto& fighter : status.attackers.entries()) {
            out << " A" << fighter.name << '@' << fighter.health;
        }
        for (const auto& fighter : status.partyMembers.entries()) {
            out << " P" << fighter.name << '@' << fighter.health;
        }
        out << " capture " << static_cast<int>(parser.captureMode()) << " pending "
            << path.pendingFragment().size();
        return out.str();
    }

    TextBuffer buffer;
    StatusModel status;
    RecordingSender sender;
    RecordingEvents events;
    RecordingTriggers triggers;
    SessionState session;
    ServerLineParser parser{status, sender, events, session};
    ReceivePath path{buffer, parser, triggers};
    std::vector<std::string> telnetReplies;
    TelnetFilter telnet{[this](std::string_view reply) { telnetReplies.emplace_back(reply); }};
};

} // namespace vesk::testing
