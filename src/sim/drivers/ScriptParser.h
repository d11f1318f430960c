#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace vesk::sim {

struct ScriptStep {
    enum class Kind { Send, Expect, Pause, Close };
    Kind kind = Kind::Send;
    std::string text;     // bytes to send, or the text a client line must contain
    int milliseconds = 0; // Expect: how long to wait; Pause: how long to pause
    int sourceLine = 0;
    auto operator<=>(const ScriptStep&) const = default;
};

struct ScriptParseResult {
    std::vector<ScriptStep> steps;
    std::string error; // empty when the script is good
    bool ok() const { return error.empty(); }
};

// Reads the test script format of "--script FILE" (one step per line):
//   # comment            ignored, as are blank lines
//   send TEXT            send TEXT as it is (escapes: \r \n \t \e \0 \\ \xHH)
//   line TEXT            send TEXT and CR LF
//   expect MS TEXT       wait at most MS milliseconds for a client line containing TEXT
//   pause MS             wait MS milliseconds
//   close                hang up; the script ends
class ScriptParser {
public:
    static ScriptParseResult parse(std::string_view script);
    // Turns the escapes above into bytes; nothing when an escape is malformed.
    static std::optional<std::string> unescape(std::string_view text);

private:
    static std::optional<ScriptStep> parseLine(std::string_view line, std::string& error);
};

} // namespace vesk::sim
