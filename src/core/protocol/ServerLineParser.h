#pragma once

#include "common/LineSender.h"
#include "protocol/ControlMessages.h"
#include "protocol/ServerEvents.h"
#include "protocol/SessionState.h"
#include "status/StatusModel.h"

#include <string>
#include <string_view>

namespace vesk {

// What the receive path does with a dispatched line.
enum DispatchResult : int {
    OrdinaryLine = 0,   // the line stays
    RecognisedText = 1, // a tell, say, shout, channel or review marker; the line stays
    ConsumedLine = 2,   // a control line, captured content or a line holding the marker: delete it
};

// Reads one cleaned server line: prompts and experience feed the status model, login prompts
// are answered, conversation gets its log category, control lines run their handler, and in
// capture mode the content goes to the file transfer or the help browser. The checks run in a
// fixed order and the first one that decides ends the line's reading.
class ServerLineParser {
public:
    ServerLineParser(StatusModel& status, LineSender& sender, ServerEvents& events,
                     SessionState& session);

    // `recognised` is the receive path's batch counter: set to 1 when the line is recognised.
    int ParseServerLine(std::string_view line, int& recognised);
    // A row wrapped off the one before it is the middle of a line: nothing in it is read as
    // the start of a prompt, a conversation or a control line. Captured text goes on to its
    // file; other text is logged, unless it holds the marker.
    int parseRowContinuation(std::string_view line) { return fallback(line); }
    // What ParseServerLine makes of an empty line outside a capture, without trying the
    // patterns, none of which an empty line can match: it is logged as an empty entry. A flood
    // of blank lines costs this per line.
    int parseEmptyLine() {
        experienceOfLastLine_ = 0;
        return fallback({});
    }
    // An unfinished line the server writes as a prompt and then waits: the vitals prompts
    // (with or without a limb) and the login prompts.
    bool isPrompt(std::string_view line) const;

    CaptureMode captureMode() const { return controls_.captureMode(); }
    // Text the receive path appends to the line just parsed (the answer shown behind a prompt).
    const std::string& lineSuffix() const { return lineSuffix_; }
    void clearLineSuffix() { lineSuffix_.clear(); }

    // Experience the last parsed line added. A partial line is parsed again when it grows, so
    // the receive path takes back what its earlier reading added before it reads it again.
    std::int32_t experienceOfLastLine() const { return experienceOfLastLine_; }
    void withdrawExperience(std::int32_t amount) { status_.addExperience(-amount); }

private:
    bool inCapture() const { return captureMode() != CaptureMode::None; }
    void recogniseVitals(std::string_view line);
    bool recogniseExperience(std::string_view line, int& recognised);
    enum class Step { NotMatched, Fallback, Decided };
    Step recogniseLoginPrompts(std::string_view line, int& recognised, int& result);
    bool recogniseConversation(std::string_view line, int& recognised);
    bool recogniseLimbPrompt(std::string_view line, int& recognised);
    bool recogniseLoginStart(std::string_view line, int& recognised);
    bool isLoginStateLine(std::string_view line) const;
    bool parseControlLine(std::string_view line);
    bool recogniseChannel(std::string_view line);
    int fallback(std::string_view original);

    StatusModel& status_;
    LineSender& sender_;
    ServerEvents& events_;
    SessionState& session_;
    ControlMessages controls_;
    std::string lineSuffix_;
    std::int32_t experienceOfLastLine_ = 0;
};

} // namespace vesk
