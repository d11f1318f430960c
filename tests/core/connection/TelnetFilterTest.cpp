#include "connection/TelnetFilter.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

const std::string iac = "\xff";
const std::string will = "\xfb";
const std::string wont = "\xfc";
const std::string doOption = "\xfd";
const std::string dont = "\xfe";
const std::string subnegotiationBegin = "\xfa";
const std::string subnegotiationEnd = "\xf0";
const std::string goAhead = "\xf9";
const std::string echo = "\x01";
const std::string compress2 = "\x56";
const std::string terminalType = "\x18";

// What one filter made of a stream: its text, its answers on the wire and the echo state.
struct Filtered {
    std::string text;
    std::vector<std::string> replies;
    bool serverEchoes = false;
    bool operator==(const Filtered&) const = default;
};

Filtered filterInPieces(const std::string& stream, const std::vector<std::size_t>& cuts) {
    Filtered result;
    TelnetFilter filter([&result](std::string_view reply) { result.replies.emplace_back(reply); });
    std::size_t start = 0;
    for (const std::size_t cut : cuts) {
        filter.filter(std::string_view(stream).substr(start, cut - start), result.text);
        start = cut;
    }
    filter.filter(std::string_view(stream).substr(start), result.text);
    result.serverEchoes = filter.serverEchoes();
    return result;
}

struct Case {
    const char* name;
    std::string stream;
    Filtered expected;
};

const std::vector<Case>& cases() {
    static const std::vector<Case> all = {
        {"plain text passes", "look\r\n", {"look\r\n", {}, false}},
        {"a doubled IAC is one byte 255",
         "a" + iac + iac + "b",
         {"a\xff"
          "b",
          {},
          false}},
        {"NUL goes and what follows stays", std::string("a\0b", 3), {"ab", {}, false}},
        {"GA goes", "prompt>" + iac + goAhead + "x", {"prompt>x", {}, false}},
        {"the server's ECHO is taken once",
         iac + will + echo + "pw" + iac + will + echo,
         {"pw", {iac + doOption + echo}, true}},
        {"ECHO taken back",
         iac + will + echo + iac + wont + echo,
         {"", {iac + doOption + echo, iac + dont + echo}, false}},
        {"WONT ECHO never offered gets no answer", iac + wont + echo, {"", {}, false}},
        {"other options are refused",
         iac + will + compress2 + iac + doOption + terminalType,
         {"", {iac + dont + compress2, iac + wont + terminalType}, false}},
        {"a subnegotiation is dropped unread",
         "a" + iac + subnegotiationBegin + compress2 + iac + iac + "\x01" + iac +
             subnegotiationEnd + "b",
         {"ab", {}, false}},
        {"another command ends a subnegotiation and is read as a command",
         "a" + iac + subnegotiationBegin + terminalType + "z" + iac + will + echo + "b",
         {"ab", {iac + doOption + echo}, true}},
        {"an unclosed subnegotiation ends after its longest length",
         "a" + iac + subnegotiationBegin + compress2 +
             std::string(TelnetFilter::longestSubnegotiation, 'y') + "tail",
         {"atail", {}, false}},
    };
    return all;
}

TEST(TelnetFilter, StreamsFedWhole) {
    for (const auto& testCase : cases()) {
        EXPECT_EQ(filterInPieces(testCase.stream, {}), testCase.expected) << testCase.name;
    }
}

TEST(TelnetFilter, StreamsSplitAtEveryBoundaryGiveTheSame) {
    for (const auto& testCase : cases()) {
        for (std::size_t cut = 1; cut < testCase.stream.size(); ++cut) {
            EXPECT_EQ(filterInPieces(testCase.stream, {cut}), testCase.expected)
                << testCase.name << ", cut at " << cut;
        }
    }
}

TEST(TelnetFilter, StreamsFedByteByByteGiveTheSame) {
    for (const auto& testCase : cases()) {
        std::vector<std::size_t> cuts;
        for (std::size_t cut = 1; cut < testCase.stream.size(); ++cut) {
            cuts.push_back(cut);
        }
        EXPECT_EQ(filterInPieces(testCase.stream, cuts), testCase.expected) << testCase.name;
    }
}

TEST(TelnetFilter, ResetForgetsTheEchoAndAnUnfinishedCommand) {
    std::vector<std::string> replies;
    TelnetFilter filter([&replies](std::string_view reply) { replies.emplace_back(reply); });
    std::string text;
    filter.filter(iac + will + echo + iac, text);
    ASSERT_TRUE(filter.serverEchoes());
    filter.reset();
    EXPECT_FALSE(filter.serverEchoes());
    // The IAC left over from the old connection does not swallow the new one's first byte.
    filter.filter("\xfbhello", text);
    EXPECT_EQ(text, "\xfbhello");
}

} // namespace
} // namespace vesk
