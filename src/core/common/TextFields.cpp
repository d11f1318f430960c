#include "common/TextFields.h"

#include "common/ServerCharacters.h"

#include <algorithm>

namespace vesk {
namespace {

char lowerAscii(char letter) {
    return (letter >= 'A' && letter <= 'Z') ? static_cast<char>(letter - 'A' + 'a') : letter;
}

char upperAscii(char letter) {
    return (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
}

} // namespace

std::string cutToWidth(std::string_view text, std::size_t width) {
    if (text.size() <= width) {
        return std::string(text);
    }
    const Decoding decoding = decodingOf(text);
    std::size_t end = 0;
    for (std::size_t count = 0; count < width && end < text.size(); ++count) {
        end += characterLength(text, end, decoding);
    }
    return std::string(text.substr(0, end));
}

bool equalsIgnoringCase(std::string_view first, std::string_view second) {
    return first.size() == second.size() &&
           std::equal(first.begin(), first.end(), second.begin(),
                      [](char a, char b) { return lowerAscii(a) == lowerAscii(b); });
}

bool sameName(std::string_view first, std::string_view second) {
    if (equalsIgnoringCase(first, second)) {
        return true;
    }
    return equalsIgnoringCase(toUtf8(first), toUtf8(second));
}

std::string lowerCased(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerAscii);
    return lowered;
}

std::string firstLetterUpper(std::string_view text) {
    std::string result(text);
    if (!result.empty()) {
        result[0] = upperAscii(result[0]);
    }
    return result;
}

std::string safeForFileName(std::string_view name, std::size_t longest) {
    std::string safe(name.substr(0, longest));
    for (char& letter : safe) {
        const bool plain = (letter >= 'a' && letter <= 'z') || (letter >= 'A' && letter <= 'Z') ||
                           (letter >= '0' && letter <= '9') || letter == '-' || letter == '_';
        if (!plain) {
            letter = '_';
        }
    }
    return safe;
}

} // namespace vesk
