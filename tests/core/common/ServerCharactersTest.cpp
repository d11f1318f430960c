#include "common/ServerCharacters.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk {
namespace {

struct Case {
    const char* name;
    std::string bytes;
    Decoding decoding;
    std::string utf8;
    std::size_t characters;
};

TEST(ServerCharactersTest, ReadsValidUtf8AsUtf8AndEverythingElseAsLatin1) {
    const Case cases[] = {
        {"ascii", "plain text", Decoding::Utf8, "plain text", 10},
        {"empty", "", Decoding::Utf8, "", 0},
        {"utf8 accent", "caf\xc3\xa9", Decoding::Utf8, "caf\xc3\xa9", 4},
        {"utf8 cjk", "\xe6\x97\xa5\xe6\x9c\xac", Decoding::Utf8, "\xe6\x97\xa5\xe6\x9c\xac", 2},
        {"utf8 four bytes", "\xf0\x9f\x98\x80!", Decoding::Utf8, "\xf0\x9f\x98\x80!", 2},
        {"latin1 accent", "caf\xe9", Decoding::Latin1, "caf\xc3\xa9", 4},
        {"cut sequence", "caf\xc3", Decoding::Latin1, "caf\xc3\x83", 4},
        {"overlong slash", "\xc0\xaf", Decoding::Latin1, "\xc3\x80\xc2\xaf", 2},
        {"surrogate", "\xed\xa0\x80", Decoding::Latin1, "\xc3\xad\xc2\xa0\xc2\x80", 3},
        {"above U+10FFFF", "\xf4\x90\x80\x80", Decoding::Latin1, "\xc3\xb4\xc2\x90\xc2\x80\xc2\x80",
         4},
        {"lone continuation", "a\x80", Decoding::Latin1, "a\xc2\x80", 2},
        {"mixed: one bad byte makes the line Latin-1", "\xc3\xa9 \xe9", Decoding::Latin1,
         "\xc3\x83\xc2\xa9 \xc3\xa9", 4},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(decodingOf(test.bytes), test.decoding);
        EXPECT_EQ(toUtf8(test.bytes), test.utf8);
        EXPECT_EQ(characterCount(test.bytes, test.decoding), test.characters);
    }
}

TEST(ServerCharactersTest, CharacterLengthsWalkAUtf8Line) {
    const std::string line = "a\xc3\xa9\xe6\x97\xa5\xf0\x9f\x98\x80";
    std::string lengths;
    for (std::size_t offset = 0; offset < line.size();) {
        const std::size_t length = characterLength(line, offset, Decoding::Utf8);
        lengths += std::to_string(length);
        offset += length;
    }
    EXPECT_EQ(lengths, "1234");
    EXPECT_EQ(characterLength(line, 1, Decoding::Latin1), 1u);
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

struct EncodeCase {
    const char* name;
    std::string bytes;
    std::string asUtf8;
    std::string asLatin1;
};

TEST(ServerCharactersTest, EncodesWhatItReadsInEitherEncoding) {
    const EncodeCase cases[] = {
        {"ascii", "look", "look", "look"},
        {"typed accent", "caf\xc3\xa9", "caf\xc3\xa9", "caf\xe9"},
        {"beyond Latin-1 becomes a question mark", "\xe2\x98\xba", "\xe2\x98\xba", "?"},
        {"four-byte character is one question mark", "a\xf0\x9f\x98\x80", "a\xf0\x9f\x98\x80",
         "a?"},
        {"stored Latin-1 stays as it is", "caf\xe9", "caf\xc3\xa9", "caf\xe9"},
        {"control bytes pass", "a\tb\x1b[0m", "a\tb\x1b[0m", "a\tb\x1b[0m"},
    };
    for (const EncodeCase& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(encodeAs(test.bytes, Decoding::Utf8), test.asUtf8);
        EXPECT_EQ(encodeAs(test.bytes, Decoding::Latin1), test.asLatin1);
    }
}

struct StreamCase {
    const char* name;
    std::string bytes;
    bool valid;
};

// A read may end inside a character; the check must judge the stream, not the reads.
TEST(Utf8StreamCheckTest, JudgesTheStreamHoweverItIsCut) {
    const StreamCase cases[] = {
        {"ascii", "You say: hi\r\n", true},
        {"utf8 across the stream", "caf\xc3\xa9 \xe6\x97\xa5\xe6\x9c\xac \xf0\x9f\x98\x80\n", true},
        {"latin1 byte", "caf\xe9\n", false},
        {"lone continuation", "a\x80", false},
        {"lead byte then ascii", "\xc3 a", false},
        {"overlong", "\xe0\x80\xaf", false},
        {"surrogate", "\xed\xa0\x80", false},
        {"above U+10FFFF", "\xf4\x90\x80\x80", false},
        {"invalid lead", "\xff", false},
        // Runs of plain text long enough to be passed over a word at a time.
        {"long ascii around utf8",
         "The room is dark and cold.  caf\xc3\xa9 au lait, said the cook\n", true},
        {"latin1 inside long ascii", "The room is dark and cold.  caf\xe9 au lait, said the cook\n",
         false},
        {"lead byte before a long ascii run",
         "\xc3"
         "abcdefghijklmnopqrstuvwxyz",
         false},
    };
    for (const StreamCase& test : cases) {
        SCOPED_TRACE(test.name);
        Utf8StreamCheck whole;
        EXPECT_EQ(whole.feed(test.bytes), test.valid);
        for (std::size_t cut = 0; cut <= test.bytes.size(); ++cut) {
            Utf8StreamCheck split;
            split.feed(std::string_view(test.bytes).substr(0, cut));
            split.feed(std::string_view(test.bytes).substr(cut));
            EXPECT_EQ(split.valid(), test.valid) << "cut at " << cut;
        }
    }
}

TEST(Utf8StreamCheckTest, StaysInvalidUntilReset) {
    Utf8StreamCheck check;
    EXPECT_TRUE(check.feed("caf\xe9")) << "the end of a read may be a character's start";
    EXPECT_FALSE(check.feed("!"));
    EXPECT_FALSE(check.feed("plain"));
    check.reset();
    EXPECT_TRUE(check.feed("plain"));
}

} // namespace
} // namespace vesk
