#include "wire/CommandReader.h"

#include <gtest/gtest.h>

#include <random>

namespace vesk::sim {
namespace {

using namespace std::string_literals;

std::vector<std::string> texts(const std::vector<ReceivedLine>& lines) {
    std::vector<std::string> result;
    for (const auto& line : lines) {
        result.push_back(line.text);
    }
    return result;
}

std::vector<std::string> feedWhole(std::string_view bytes) {
    CommandReader reader;
    return texts(reader.feed(bytes));
}

struct ReaderCase {
    const char* name;
    std::string bytes;
    std::vector<std::string> lines;
};

const ReaderCase readerCases[] = {
    {"client line: text and line feed", "look\nsay hi\n"s, {"look", "say hi"}},
    {"older client line: text, line feed, zero byte", "look\n\0say hi\n\0"s, {"look", "say hi"}},
    {"challenge reply with its leading line feed",
     "\nvesk reply 1 -2\n\0"s,
     {"", "vesk reply 1 -2"}},
    {"carriage returns vanish", "say hi\r\n"s, {"say hi"}},
    {"unfinished line waits", "north\nsou"s, {"north"}},
    {"telnet option answers vanish", "\xFF\xFD\x01\xFF\xFC\x03name\n"s, {"name"}},
    {"subnegotiation vanishes", "\xFF\xFA\x18\x00xterm\xFF\xF0go\n"s, {"go"}},
    {"doubled IAC is a literal byte",
     "a\xFF\xFF"
     "b\n"s,
     {"a\xFF"
      "b"}},
    {"two-byte telnet command vanishes", "x\xFF\xF1y\n"s, {"xy"}},
    {"zero bytes anywhere are dropped", "\0\0a\0b\n"s, {"ab"}},
};

TEST(CommandReaderTest, EndlessSubnegotiationGivesUpAndReadsOn) {
    CommandReader reader;
    EXPECT_TRUE(
        reader.feed("\xFF\xFA" + std::string(CommandReader::maxSubnegotiationLength, 'z')).empty());
    EXPECT_EQ(texts(reader.feed("\nlook\n")), (std::vector<std::string>{"", "look"}));
}

TEST(CommandReaderTest, CutsLinesWholeAndSplitAtEveryByte) {
    for (const auto& testCase : readerCases) {
        SCOPED_TRACE(testCase.name);
        EXPECT_EQ(feedWhole(testCase.bytes), testCase.lines);
        for (std::size_t split = 1; split < testCase.bytes.size(); ++split) {
            CommandReader reader;
            auto lines = texts(reader.feed(std::string_view(testCase.bytes).substr(0, split)));
            const auto rest = texts(reader.feed(std::string_view(testCase.bytes).substr(split)));
            lines.insert(lines.end(), rest.begin(), rest.end());
            EXPECT_EQ(lines, testCase.lines) << "split at " << split;
        }
    }
}

TEST(CommandReaderTest, CutsOverlongLineAndRecovers) {
    CommandReader reader;
    const std::string flood(CommandReader::maxLineLength + 500, 'x');
    const auto lines = reader.feed(flood + "\nlook\n");
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].text.size(), CommandReader::maxLineLength);
    EXPECT_TRUE(lines[0].cut);
    EXPECT_EQ(lines[1], (ReceivedLine{"look", false}));
}

TEST(CommandReaderTest, SeededRandomBytesGiveBoundedLinesAndReaderRecovers) {
    std::mt19937 random(20240611);
    std::uniform_int_distribution<int> byte(0, 255);
    std::uniform_int_distribution<int> length(1, 5000);
    CommandReader reader;
    for (int chunk = 0; chunk < 300; ++chunk) {
        std::string bytes(static_cast<std::size_t>(length(random)), '\0');
        for (auto& character : bytes) {
            character = static_cast<char>(byte(random));
        }
        for (const auto& line : reader.feed(bytes)) {
            EXPECT_LE(line.text.size(), CommandReader::maxLineLength);
            EXPECT_EQ(line.text.find('\0'), std::string::npos);
            EXPECT_EQ(line.text.find('\n'), std::string::npos);
        }
    }
    // Whatever telnet state the noise left behind (even an endless subnegotiation), plain text
    // and a line feed bring the reader back.
    reader.feed(std::string(CommandReader::maxSubnegotiationLength + 1, 'a') + "\n");
    EXPECT_EQ(texts(reader.feed("look\n")), std::vector<std::string>{"look"});
}

} // namespace
} // namespace vesk::sim
