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
        {"line feed takes a column", "abcd\n", 4, "abcd", "\n"},
        {"colour takes no column", esc + "[31mab" + esc + "[0mcd", 4,
         esc + "[31mab" + esc + "[0mcd", ""},
        {"a sequence after a full row starts the next", esc + "[31mabcd" + esc + "[0m", 4,
         esc + "[31mabcd", esc + "[0m"},
        {"tab takes no column", "ab\tcd", 4, "ab\tcd", ""},
        {"tab is a break point", "ab\tcdef", 5, "ab\t", "cdef"},
        {"unclosed colour runs to the end", "ab" + esc + "[31", 3, "ab" + esc + "[31", ""},
        {"zero width still progresses", "abc", 0, "a", "bc"},
    };
    for (const auto& c : cases) {
        const WrappedLine result = WrapLine(c.text, c.width);
        EXPECT_EQ(result.head, c.head) << c.name;
        EXPECT_EQ(result.rest, c.rest) << c.name;
    }
}

} // namespace
} // namespace vesk
