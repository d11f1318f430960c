#pragma once

#include <array>
#include <cstdint>
#include <string_view>
#include <vector>

namespace vesk {

// What a scanf-style match against the start of a line produced: the numbers of "%d" and the
// words of "%s" in the order they appear, and how many conversions succeeded before the first
// mismatch. Words point into the matched line.
// The patterns have at most six conversions, so the results live inline: matching runs for
// every received line and must not allocate.
template <typename Value> struct ScannedValues {
    static constexpr std::size_t capacity = 6;
    std::array<Value, capacity> items{};
    std::size_t count = 0;

    bool push_back(Value value) {
        if (count == capacity) {
            return false;
        }
        items[count++] = value;
        return true;
    }
    const Value& operator[](std::size_t index) const { return items[index]; }
    std::size_t size() const { return count; }
    const Value* begin() const { return items.data(); }
    const Value* end() const { return items.data() + count; }
    std::vector<Value> toVector() const { return {begin(), end()}; }
};

struct ScanResult {
    int conversions = 0;
    ScannedValues<std::int32_t> numbers;
    ScannedValues<std::string_view> words;
};

// Matches a format against the start of a line the way the server's prompts were always
// recognised: a blank in the format matches any run of blanks, tabs or line breaks (also none);
// "%d" skips blanks and reads an optional sign and digits; "%s" skips blanks and reads one
// word; every other format character must equal the next character. Text after the format's
// end is ignored.
ScanResult ScanPattern(std::string_view line, std::string_view format);

// A blank to the patterns: a space, a tab or a line break.
inline bool isScanBlank(char character) {
    return character == ' ' || (character >= '\t' && character <= '\r');
}

// The position of the first byte from `position` on that is not a blank.
inline std::size_t skipScanBlanks(std::string_view line, std::size_t position) {
    while (position < line.size() && isScanBlank(line[position])) {
        ++position;
    }
    return position;
}

// True when the line begins with the prefix, byte for byte.
inline bool hasPrefix(std::string_view line, std::string_view prefix) {
    return line.starts_with(prefix);
}

} // namespace vesk
