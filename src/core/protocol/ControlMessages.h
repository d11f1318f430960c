#pragma once

#include "common/LineSender.h"
#include "protocol/ControlTokenizer.h"
#include "protocol/ServerEvents.h"
#include "protocol/SessionState.h"
#include "status/StatusModel.h"

#include <string_view>

namespace vesk {

// What the client is capturing between control lines: nothing, the lines of a file the online
// editor receives, or the text of a help topic.
enum class CaptureMode { None = 0, FileText = 1, HelpText = 2 };

// Runs the handler of one control line ("##VESK KEYWORD arguments"). Each keyword has one small
// handler that reads its own arguments from the shared tokenizer; a missing argument ends the
// handler quietly, an unknown keyword does nothing.
class ControlMessages {
public:
    ControlMessages(StatusModel& status, LineSender& sender, ServerEvents& events,
                    SessionState& session);

    // The tokenizer stands just behind the marker.
    void handle(std::string_view keyword, ControlTokenizer& arguments);

    CaptureMode captureMode() const { return captureMode_; }

private:
    using Handler = void (ControlMessages::*)(ControlTokenizer&);
    static Handler handlerFor(std::string_view keyword);

    void onStatus(ControlTokenizer& arguments);
    void onXp(ControlTokenizer& arguments);
    void onLimb(ControlTokenizer& arguments);
    void onArmour(ControlTokenizer& arguments);
    void onLimbs(ControlTokenizer& arguments);
    void onCombat(ControlTokenizer& arguments);
    void onLeaveCombat(ControlTokenizer& arguments);
    void onRedraw(ControlTokenizer& arguments);
    void onName(ControlTokenizer& arguments);
    void onInit(ControlTokenizer& arguments);
    void onClass(ControlTokenizer& arguments);
    void onSkill(ControlTokenizer& arguments);
    void onLogon(ControlTokenizer& arguments);
    void onLogoff(ControlTokenizer& arguments);
    void onNews(ControlTokenizer& arguments);
    void onIgnored(ControlTokenizer& arguments);
    void onChallenge(ControlTokenizer& arguments);
    void onHelpContents(ControlTokenizer& arguments);
    void onHelpBegin(ControlTokenizer& arguments);
    void onHelpEnd(ControlTokenizer& arguments);
    void onFileBegin(ControlTokenizer& arguments);
    void onFileContinue(ControlTokenizer& arguments);
    void onFilePause(ControlTokenizer& arguments);
    void onFileEnd(ControlTokenizer& arguments);
    void onSendFileName(ControlTokenizer& arguments);
    void onSendFile(ControlTokenizer& arguments);
    void onSendLine(ControlTokenizer& arguments);
    void onDirTree(ControlTokenizer& arguments);
    void onDirFiles(ControlTokenizer& arguments);

    StatusModel& status_;
    LineSender& sender_;
    ServerEvents& events_;
    SessionState& session_;
    CaptureMode captureMode_ = CaptureMode::None;
};

} // namespace vesk
