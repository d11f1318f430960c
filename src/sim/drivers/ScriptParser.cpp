#include "drivers/ScriptParser.h"

#include "base/TextWords.h"

#include <charconv>

namespace vesk::sim {
namespace {

std::optional<char> simpleEscape(char letter) {
    switch (letter) {
    case 'r':
        return '\r';
    case 'n':
        return '\n';
    case 't':
        return '\t';
    case 'e':
        return '\x1b';
    case '0':
        return '\0';
    case '\\':
        return '\\';
    default:
        return std::nullopt;
    }
}

std::optional<char> hexEscape(std::string_view digits) {
    unsigned value = 0;
    const auto result = std::from_chars(digits.data(), digits.data() + digits.size(), value, 16);
    if (digits.size() != 2 || result.ec != std::errc{} || result.ptr != digits.data() + 2) {
        return std::nullopt;
    }
    return static_cast<char>(value);
}

std::optional<int> parseMilliseconds(std::string_view word) {
    const auto value = parseNumber(word);
    if (!value || *value < 0) {
        return std::nullopt;
    }
    return *value;
}

} // namespace

std::optional<std::string> ScriptParser::unescape(std::string_view text) {
    std::string bytes;
    for (std::size_t index = 0; index < text.size(); ++index) {
        if (text[index] != '\\') {
            bytes.push_back(text[index]);
            continue;
        }
        if (index + 1 >= text.size()) {
            return std::nullopt;
        }
        const char letter = text[++index];
        auto byte = letter == 'x' ? hexEscape(text.substr(index + 1, 2)) : simpleEscape(letter);
        if (!byte) {
            return std::nullopt;
        }
        index += letter == 'x' ? 2 : 0;
        bytes.push_back(*byte);
    }
    return bytes;
}

std::optional<ScriptStep> ScriptParser::parseLine(std::string_view line, std::string& error) {
    const auto words = splitWords(line);
    const auto command = words.front();
    const auto argument = [&](std::size_t count) { return textAfterWords(line, count); };
    std::optional<std::string> text;
    if (command == "send" || command == "line") {
        text = unescape(argument(1));
        if (text && command == "line") {
            *text += "\r\n";
        }
        if (text) {
            return ScriptStep{ScriptStep::Kind::Send, *text, 0, 0};
        }
    } else if (command == "expect" || command == "pause") {
        const auto milliseconds = words.size() > 1 ? parseMilliseconds(words[1]) : std::nullopt;
        text = unescape(argument(2));
        if (milliseconds && text && (command == "pause" || !text->empty())) {
            const auto kind =
                command == "pause" ? ScriptStep::Kind::Pause : ScriptStep::Kind::Expect;
            return ScriptStep{kind, *text, *milliseconds, 0};
        }
    } else if (command == "close" && words.size() == 1) {
        return ScriptStep{ScriptStep::Kind::Close, "", 0, 0};
    }
    error = "cannot read '" + std::string(line) + "'";
    return std::nullopt;
}

ScriptParseResult ScriptParser::parse(std::string_view script) {
    ScriptParseResult result;
    int lineNumber = 0;
    while (!script.empty()) {
        ++lineNumber;
        const auto end = script.find('\n');
        auto line = script.substr(0, end);
        script = end == std::string_view::npos ? std::string_view{} : script.substr(end + 1);
        if (line.ends_with('\r')) {
            line.remove_suffix(1);
        }
        if (splitWords(line).empty() || splitWords(line).front().starts_with('#')) {
            continue;
        }
        auto step = parseLine(line, result.error);
        if (!step) {
            result.error = "line " + std::to_string(lineNumber) + ": " + result.error;
            result.steps.clear();
            return result;
        }
        step->sourceLine = lineNumber;
        result.steps.push_back(std::move(*step));
    }
    return result;
}

} // namespace vesk::sim
