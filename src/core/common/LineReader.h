#pragma once

#include <cstddef>
#include <limits>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// Hands out the lines of a file already read into memory, each without its line feed and
// cut to the reader's line limit. The rest of an over-long line is skipped rather than read
// as a line of its own, so the tail of a long value can never pose as another key.
class LineReader {
public:
    static constexpr std::size_t unlimited = std::numeric_limits<std::size_t>::max();

    explicit LineReader(std::string_view content) : content_(content) {}

    std::optional<std::string> readLine(std::size_t limit);

private:
    std::string_view content_;
    std::size_t position_ = 0;
};

// A whole line minus its trailing carriage returns: files written on Windows end their lines
// with CR LF, and a bare LF works as well. A value cannot end in a carriage return, so all
// of them go, and a file read and written again stays the same.
std::string withoutCarriageReturns(std::string line);

} // namespace vesk
