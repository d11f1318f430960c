#include "base/TextWords.h"

#include <algorithm>
#include <cctype>
#include <charconv>

namespace vesk::sim {
namespace {

bool isBlank(char character) {
    return character == ' ' || character == '\t';
}

char lowerChar(char character) {
    return static_cast<char>(std::tolower(static_cast<unsigned char>(character)));
}

} // namespace

std::vector<std::string_view> splitWords(std::string_view text) {
    std::vector<std::string_view> words;
    std::size_t position = 0;
    while (position < text.size()) {
        while (position < text.size() && isBlank(text[position])) {
            ++position;
        }
        const auto start = position;
        while (position < text.size() && !isBlank(text[position])) {
            ++position;
        }
        if (position > start) {
            words.push_back(text.substr(start, position - start));
        }
    }
    return words;
}

std::string_view textAfterWords(std::string_view text, std::size_t count) {
    std::size_t position = 0;
    for (std::size_t word = 0; word <= count; ++word) {
        while (position < text.size() && isBlank(text[position])) {
            ++position;
        }
        if (word == count) {
            break;
        }
        while (position < text.size() && !isBlank(text[position])) {
            ++position;
        }
    }
    return text.substr(std::min(position, text.size()));
}

std::optional<std::int32_t> parseNumber(std::string_view text) {
    if (!text.empty() && text.front() == '+') {
        text.remove_prefix(1);
    }
    std::int32_t value = 0;
    const auto* end = text.data() + text.size();
    const auto result = std::from_chars(text.data(), end, value);
    if (text.empty() || result.ec != std::errc{} || result.ptr != end) {
        return std::nullopt;
    }
    return value;
}

std::string lowerCase(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), lowerChar);
    return lowered;
}

std::string capitalisedName(std::string_view text) {
    auto name = lowerCase(text);
    if (!name.empty()) {
        name[0] = static_cast<char>(std::toupper(static_cast<unsigned char>(name[0])));
    }
    return name;
}

bool sameName(std::string_view first, std::string_view second) {
    return lowerCase(first) == lowerCase(second);
}

} // namespace vesk::sim
