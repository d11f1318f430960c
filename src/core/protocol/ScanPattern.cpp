#include "protocol/ScanPattern.h"

namespace vesk {
namespace {

bool readNumber(std::string_view line, std::size_t& position, std::int32_t& value) {
    std::size_t cursor = skipScanBlanks(line, position);
    bool negative = false;
    if (cursor < line.size() && (line[cursor] == '-' || line[cursor] == '+')) {
        negative = line[cursor] == '-';
        ++cursor;
    }
    const std::size_t digitsStart = cursor;
    std::uint32_t magnitude = 0;
    while (cursor < line.size() && line[cursor] >= '0' && line[cursor] <= '9') {
        magnitude = magnitude * 10u + static_cast<std::uint32_t>(line[cursor] - '0');
        ++cursor;
    }
    if (cursor == digitsStart) {
        return false;
    }
    value = static_cast<std::int32_t>(negative ? 0u - magnitude : magnitude);
    position = cursor;
    return true;
}

bool readWord(std::string_view line, std::size_t& position, std::string_view& word) {
    const std::size_t start = skipScanBlanks(line, position);
    std::size_t cursor = start;
    while (cursor < line.size() && !isScanBlank(line[cursor])) {
        ++cursor;
    }
    if (cursor == start) {
        return false;
    }
    word = line.substr(start, cursor - start);
    position = cursor;
    return true;
}

} // namespace

ScanResult ScanPattern(std::string_view line, std::string_view format) {
    ScanResult result;
    std::size_t position = 0;
    for (std::size_t index = 0; index < format.size(); ++index) {
        const char wanted = format[index];
        if (isScanBlank(wanted)) {
            position = skipScanBlanks(line, position);
        } else if (wanted == '%' && index + 1 < format.size() && format[index + 1] == 'd') {
            std::int32_t value = 0;
            if (!readNumber(line, position, value) || !result.numbers.push_back(value)) {
                break;
            }
            ++result.conversions;
            ++index;
        } else if (wanted == '%' && index + 1 < format.size() && format[index + 1] == 's') {
            std::string_view word;
            if (!readWord(line, position, word) || !result.words.push_back(word)) {
                break;
            }
            ++result.conversions;
            ++index;
        } else {
            if (position >= line.size() || line[position] != wanted) {
                break;
            }
            ++position;
        }
    }
    return result;
}

} // namespace vesk
