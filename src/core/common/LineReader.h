#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace vesk {

// Hands out the lines of a settings file, or of a text already in memory, each without its
// line feed and cut to the reader's line limit. The rest of an over-long line is skipped
// rather than read as a line of its own, so the tail of a long value can never pose as
// another key. A file is read in small pieces as the lines are asked for: only the line being
// read is held, never the whole file.
class LineReader {
public:
    // The limit for lines read whole: far longer than any line the client writes (a trigger
    // line holds at most about 2,060 bytes), yet a file of one endless line cannot fill the
    // memory.
    static constexpr std::size_t wholeLine = std::size_t{1} << 20;

    explicit LineReader(std::string_view content) : content_(content) {}
    // Reads from an open file; the descriptor stays the caller's.
    explicit LineReader(int descriptor) : descriptor_(descriptor) {}
    LineReader(const LineReader&) = delete;
    LineReader& operator=(const LineReader&) = delete;

    std::optional<std::string> readLine(std::size_t limit);

private:
    // Makes unread bytes available; false at the end of the input.
    bool refill();

    std::string_view content_;
    std::size_t position_ = 0;
    int descriptor_ = -1;
    std::string chunk_;
};

// A whole line minus its trailing carriage returns: files written on Windows end their lines
// with CR LF, and a bare LF works as well. A value cannot end in a carriage return, so all
// of them go, and a file read and written again stays the same.
std::string withoutCarriageReturns(std::string line);

} // namespace vesk
