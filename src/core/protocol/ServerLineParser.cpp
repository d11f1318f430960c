#include "protocol/ServerLineParser.h"

#include "protocol/ChannelNames.h"
#include "protocol/ControlMarker.h"
#include "protocol/ScanPattern.h"

#include <array>

namespace vesk {
namespace {

enum LogCategory { TellLog = 0, ShoutLog = 1, SayLog = 2, ChannelLog = 3, OtherLog = 4 };

constexpr std::string_view shortPrompt = "hp: %d    sp: %d    mp: %d";
constexpr std::string_view fullPrompt = "HP: %d/%d | SP: %d/%d | MP: %d/%d";

// The second word of a line, and what follows it. A pattern "%s <literal> ... %s" can only
// match a line whose second word starts with its literal: looking there first rules out the
// common line after its first word.
std::string_view fromSecondWord(std::string_view line) {
    std::size_t position = skipScanBlanks(line, 0);
    while (position < line.size() && !isScanBlank(line[position])) {
        ++position;
    }
    return line.substr(skipScanBlanks(line, position));
}

bool matchesTwoWords(std::string_view line, std::string_view second, std::string_view literal,
                     std::string_view pattern) {
    return second.starts_with(literal) && ScanPattern(line, pattern).conversions == 2;
}

} // namespace

ServerLineParser::ServerLineParser(StatusModel& status, LineSender& sender, ServerEvents& events,
                                   SessionState& session)
    : status_(status), sender_(sender), events_(events), session_(session),
      controls_(status, sender, events, session) {}

int ServerLineParser::ParseServerLine(std::string_view line, int& recognised) {
    const std::string_view original = line;
    experienceOfLastLine_ = 0;
    // In capture mode a content line may start with the break of an empty line before it; the
    // checks look past it so a control line right after a blank line still ends the capture.
    if (inCapture() && !line.empty() && (line.front() == '\n' || line.front() == '\r')) {
        line.remove_prefix(1);
    }
    if (!inCapture()) {
        recogniseVitals(line);
        if (recogniseExperience(line, recognised)) {
            return fallback(original);
        }
    }
    int result = OrdinaryLine;
    switch (recogniseLoginPrompts(line, recognised, result)) {
    case Step::Decided:
        return result;
    case Step::Fallback:
        return fallback(original);
    case Step::NotMatched:
        break;
    }
    if (!inCapture() && recogniseConversation(line, recognised)) {
        return RecognisedText;
    }
    if (recogniseLimbPrompt(line, recognised)) {
        return fallback(original);
    }
    if (recogniseLoginStart(line, recognised)) {
        return fallback(original);
    }
    if (line.size() >= 2 && line.starts_with("##")) {
        if (parseControlLine(line)) {
            return ConsumedLine;
        }
        return fallback(original);
    }
    if (!inCapture() && recogniseChannel(line)) {
        return RecognisedText;
    }
    return fallback(original);
}

bool ServerLineParser::isPrompt(std::string_view line) const {
    if (line.starts_with("What name would you like to use?") || line.starts_with("Password:")) {
        return true;
    }
    if (line.starts_with("HP:")) {
        return ScanPattern(line, fullPrompt).conversions == 6;
    }
    return line.starts_with("hp:") && ScanPattern(line, shortPrompt).conversions == 3;
}

void ServerLineParser::recogniseVitals(std::string_view line) {
    if (line.empty() || (line.front() != 'H' && line.front() != 'h')) {
        return;
    }
    const ScanResult full = ScanPattern(line, fullPrompt);
    if (full.conversions == 6) {
        status_.setFullVitals(full.numbers.toVector());
    }
    const ScanResult vitals = ScanPattern(line, shortPrompt);
    if (vitals.conversions == 3) {
        status_.setPromptVitals(vitals.numbers[0], vitals.numbers[1], vitals.numbers[2]);
    }
}

// The pattern's blanks match any run of blanks, also none ("You  gain 5 experience.",
// "Yougain 5 experience."); its first word is literal, so a line without it is passed at once.
bool ServerLineParser::recogniseExperience(std::string_view line, int& recognised) {
    if (!line.starts_with("You")) {
        return false;
    }
    const ScanResult gain = ScanPattern(line, "You gain %d experience.");
    if (gain.conversions != 1) {
        return false;
    }
    recognised = 1;
    experienceOfLastLine_ = gain.numbers[0];
    status_.addExperience(gain.numbers[0]);
    return true;
}

ServerLineParser::Step ServerLineParser::recogniseLoginPrompts(std::string_view line,
                                                               int& recognised, int& result) {
    if (line.starts_with("What name would you like to use?")) {
        recognised = 1;
        if (session_.loggedIn) {
            return Step::Fallback;
        }
        PromptAnswer answer = events_.namePrompt();
        lineSuffix_ = std::move(answer.lineSuffix);
        result = OrdinaryLine;
        return answer.answered ? Step::Decided : Step::Fallback;
    }
    if (!session_.loggedIn && line.starts_with("Password:")) {
        recognised = 1;
        PromptAnswer answer = events_.passwordPrompt();
        lineSuffix_ = std::move(answer.lineSuffix);
        result = OrdinaryLine;
        return answer.answered ? Step::Decided : Step::Fallback;
    }
    return Step::NotMatched;
}

bool ServerLineParser::recogniseConversation(std::string_view line, int& recognised) {
    const std::string_view second = fromSecondWord(line);
    const char secondStart = second.empty() ? '\0' : second.front();
    int category = -1;
    if (line.starts_with("You say:")) {
        category = SayLog;
    } else if (line == "<=- Begin Review -=>" || line == "<=-  End Review  -=>") {
        category = ChannelLog;
    } else if ((secondStart == 's' && matchesTwoWords(line, second, "says:", "%s says: %s"))) {
        category = SayLog;
    } else if ((secondStart == 's' && matchesTwoWords(line, second, "shouts", "%s shouts %s"))) {
        category = ShoutLog;
    } else if (line.starts_with("You shout")) {
        category = ShoutLog;
    } else if (line.starts_with("You tell")) {
        category = TellLog;
    } else if ((secondStart == 't' && matchesTwoWords(line, second, "tells", "%s tells you: %s"))) {
        category = TellLog;
    }
    if (category < 0) {
        return false;
    }
    recognised = 1;
    events_.writeLog(line, category);
    return true;
}

// "hp: 50    sp: 20    mp: 10    left arm: 15": the two or three words after the vitals name
// a limb and its damage when they hold a colon.
bool ServerLineParser::recogniseLimbPrompt(std::string_view line, int& recognised) {
    if (!line.starts_with("hp:")) {
        return false;
    }
    ScanResult prompt;
    if (!inCapture()) {
        prompt = ScanPattern(line, "hp: %d    sp: %d    mp: %d    %s%s%s");
    }
    if (prompt.conversions != 6) {
        prompt = ScanPattern(line, "hp: %d    sp: %d    mp: %d    %s%s");
        if (prompt.conversions != 5) {
            return false;
        }
    }
    recognised = 1;
    std::string joined;
    for (std::string_view word : prompt.words) {
        if (!joined.empty()) {
            joined += ' ';
        }
        joined.append(word);
    }
    if (joined.find(':') != std::string::npos) {
        status_.setPromptLimb(prompt.numbers[0], prompt.numbers[1], prompt.numbers[2], joined);
    }
    return true;
}

bool ServerLineParser::isLoginStateLine(std::string_view line) const {
    static constexpr std::array<std::string_view, 4> lines = {
        "        >>> Terminal currently set to ansi <<<",
        "        >>> Terminal currently set to unknown <<<", "Reconnected.", "Allowing login."};
    for (std::string_view candidate : lines) {
        if (line == candidate) {
            return true;
        }
    }
    return false;
}

// A login has begun: ask the server for the control channel (and the skills when their window
// is up), once per connection. Once the server has named the character, the same lines ask for
// nothing.
bool ServerLineParser::recogniseLoginStart(std::string_view line, int& recognised) {
    if (inCapture() || session_.loggedIn || !isLoginStateLine(line)) {
        return false;
    }
    if (session_.connected) {
        recognised = 1;
        if (session_.loginStartSent) {
            return true;
        }
        session_.loginStartSent = true;
        sender_.DoSend(std::string("vesk init ").append(clientVersion));
        if (events_.skillsWindowShown()) {
            sender_.DoSend("vesk skills");
        }
    }
    return true;
}

bool ServerLineParser::parseControlLine(std::string_view line) {
    ControlTokenizer tokens(line);
    const auto marker = tokens.next();
    if (!marker || *marker != controlMarker) {
        return false;
    }
    if (const auto keyword = tokens.next()) {
        controls_.handle(*keyword, tokens);
    }
    return true;
}

// "[Gossip] Bob: hi" or "%[Gossip] Bob: hi", for the game's channel names, case-sensitively.
bool ServerLineParser::recogniseChannel(std::string_view line) {
    std::string_view rest = line;
    if (rest.starts_with("%")) {
        rest.remove_prefix(1);
    }
    if (!rest.starts_with("[")) {
        return false;
    }
    rest.remove_prefix(1);
    for (std::string_view name : ChannelNames) {
        if (rest.size() > name.size() && rest.starts_with(name) && rest[name.size()] == ']') {
            events_.writeLog(line, ChannelLog);
            return true;
        }
    }
    return false;
}

int ServerLineParser::fallback(std::string_view original) {
    switch (captureMode()) {
    case CaptureMode::FileText:
        events_.fileLine(original);
        return ConsumedLine;
    case CaptureMode::HelpText:
        events_.helpLine(original);
        return ConsumedLine;
    case CaptureMode::None:
        break;
    }
    if (original.find("#VESK") != std::string_view::npos) {
        return ConsumedLine;
    }
    events_.writeLog(original, OtherLog);
    return OrdinaryLine;
}

} // namespace vesk
