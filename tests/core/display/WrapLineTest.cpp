#include "display/WrapLine.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk {
namespace {

struct WrapCase {
    const char* name;
    std::string text;
    int width;
    std::string head;
    std::string rest;
};

TEST(WrapLine, Cases) {
    const std::string esc = "\x1b";
    const WrapCase cases[] = {
        {"short line stays whole", "hello\n", 80, "hello\n", ""},
        {"break after the last blank", "one two three", 9, "one two ", "three"},
        {"no blank breaks at the limit", std::string(10, 'x'), 4, "xxxx", "xxxxxx"},
        {"line breaks take no column", "abcd\r\n", 4, "abcd\r\n", ""},
        {"a run of carriage returns takes no column", "a" + std::string(50, '\r') + "\n", 4,
         "a" + std::string(50, '\r') + "\n", ""},
        {"colour takes no column", esc + "[31mab" + esc + "[0mcd", 4,
         esc + "[31mab" + esc + "[0mcd", ""},
        {"a sequence after a full row starts the next", esc + "[31mabcd" + esc + "[0m", 4,
         esc + "[31mabcd", esc + "[0m"},
        {"tab takes no column", "ab\tcd", 4, "ab\tcd", ""},
        {"tab is a break point", "ab\tcdef", 5, "ab\t", "cdef"},
        {"unclosed colour runs to the end", "ab" + esc + "[31", 3, "ab" + esc + "[31", ""},
        {"zero width still progresses", "abc", 0, "a", "bc"},
        {"a UTF-8 character is one column", "caf\xc3\xa9s", 4, "caf\xc3\xa9", "s"},
        {"a row of UTF-8 characters", "\xce\xa9\xce\xa9\xce\xa9\xce\xa9\n", 4,
         "\xce\xa9\xce\xa9\xce\xa9\xce\xa9\n", ""},
        {"a character is never split", "ab\xe2\x86\x92", 3, "ab\xe2\x86\x92", ""},
        {"a Latin-1 byte is one column", "caf\xe9s", 4, "caf\xe9", "s"},
        {"a cut UTF-8 sequence is bytes", "ab\xe2\x86", 3, "ab\xe2", "\x86"},
    };
    for (const auto& c : cases) {
        const WrappedLine result = WrapLine(c.text, c.width);
        EXPECT_EQ(result.head, c.head) << c.name;
        EXPECT_EQ(result.rest, c.rest) << c.name;
    }
}

// Text that takes no columns still ends a row at the hidden-byte limit, before a colour sequence
// that would cross it.
TEST(WrapLine, RowsHoldABoundedNumberOfBytes) {
    const std::string esc = "\x1b";
    const WrapCase cases[] = {
        {"colour only", esc + "[1m" + esc + "[2m" + esc + "[3m", 80, esc + "[1m" + esc + "[2m",
         esc + "[3m"},
        {"unclosed sequence", esc + "[1;1;1;1;1", 80, esc + "[1;1;1;", "1;1"},
        {"visible text does not count", "abcdefghij" + esc + "[1m", 80, "abcdefghij" + esc + "[1m",
         ""},
        {"tabs", std::string(12, '\t'), 80, std::string(8, '\t'), std::string(4, '\t')},
        {"exactly the limit stays", std::string(8, '\t'), 80, std::string(8, '\t'), ""},
    };
    for (const auto& c : cases) {
        const WrappedLine result = WrapLine(c.text, c.width, 8);
        EXPECT_EQ(result.head, c.head) << c.name;
        EXPECT_EQ(result.rest, c.rest) << c.name;
    }
}

} // namespace
} // namespace vesk
