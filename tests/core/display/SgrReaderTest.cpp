#include "display/SgrReader.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk {
namespace {

constexpr SgrState white{};
constexpr SgrState red{1};
constexpr SgrState boldRed{1, true};
constexpr SgrState boldWhite{7, true};

SgrState own(std::int32_t rgb) {
    SgrState state;
    state.ownColour = rgb;
    return state;
}

SgrState bright(int slot) {
    SgrState state{slot};
    state.bright = true;
    return state;
}

struct SequenceCase {
    const char* name;
    std::string parameters; // between "ESC [" and "m"
    SgrState before;
    SgrState after;
};

// Every parameter of a sequence applies in order; FenmarchMUD's own sequences draw as they
// always have.
TEST(SgrReader, SequencesApplyLikeATerminal) {
    const SequenceCase cases[] = {
        {"a colour keeps bold", "33", boldWhite, {6, true}},
        {"bold", "1", red, boldRed},
        {"the old reset", "0;37;40", boldRed, white},
        {"reverse changes nothing", "7", boldRed, boldRed},
        {"0 resets colour and bold", "0", boldRed, white},
        {"an empty sequence resets", "", boldRed, white},
        {"22 ends bold", "22", boldRed, red},
        {"39 is the default colour, bold kept", "39", boldRed, boldWhite},
        {"combined bold and red", "1;31", white, boldRed},
        {"reset, bold, yellow in order", "0;1;33", red, {6, true}},
        {"empty parameters count as 0", ";31", boldWhite, red},
        {"30 is black", "30", white, {0}},
        {"90 is bright black", "90", white, bright(0)},
        {"97 is bright white", "97", white, bright(7)},
        {"93 is bright yellow", "93", white, bright(6)},
        {"a normal colour ends bright", "31", bright(6), red},
        {"22 leaves bright", "22", bright(6), bright(6)},
        {"256 colours: the low eight are the slots", "38;5;2", white, {2}},
        {"256 colours: 8-15 the bright slots", "38;5;9", white, bright(1)},
        {"256 colours: the cube", "38;5;196", white, own(0xff0000)},
        {"256 colours: the cube's corner", "38;5;16", white, own(0x000000)},
        {"256 colours: the greys", "38;5;244", white, own(0x808080)},
        {"24-bit colour", "38;2;0;255;0", white, own(0x00ff00)},
        {"24-bit colour keeps bold", "1;38;2;1;2;3", white,
         [] {
             SgrState state = own(0x010203);
             state.bold = true;
             return state;
         }()},
        {"a slot ends an own colour", "32", own(0x123456), {2}},
        {"a component above 255 is no colour", "38;2;300;0;0", red, red},
        {"a 256-colour number above 255 is no colour", "38;5;256", red, red},
        {"a cut extended form ends the sequence", "38;5", red, red},
        {"after an extended form the rest applies", "38;5;1;1", white, boldRed},
        {"background 256 colours are read and ignored", "48;5;1", white, white},
        {"background 24-bit colours are read and ignored", "48;2;1;1;1;31", white, red},
        {"background codes are ignored", "40;41;107;1", white, boldWhite},
        {"underline colour is read and ignored", "58;5;1;32", white, {2}},
        {"anything but digits and ; changes nothing", "?25", boldRed, boldRed},
        {"a letter inside changes nothing", "3x1", white, white},
        {"a huge number does not overflow", "99999999999999999999;31", white, red},
    };
    for (const SequenceCase& test : cases) {
        EXPECT_EQ(SgrReader::apply(test.parameters, test.before), test.after) << test.name;
    }
}

struct StreamCase {
    const char* name;
    std::string line;
    SgrState after;
    std::string text; // the bytes fed that are text
};

TEST(SgrReader, FedByteByByteItSeparatesTextFromSequences) {
    const std::string esc = "\x1b";
    const StreamCase cases[] = {
        {"TinyMUX bold red then a reset", esc + "[1m" + esc + "[31mbold red" + esc + "[0m plain",
         white, "bold red plain"},
        {"a lone ESC is dropped, what follows is text", esc + "x" + esc + esc + "[32my", {2}, "xy"},
        {"a sequence cut by the line's end applies", "x" + esc + "[33", {6}, "x"},
        {"an ESC at the end is dropped", "x" + esc, white, "x"},
        {"a sequence runs to the next m", esc + "[2Jmore", white, "ore"},
    };
    for (const StreamCase& test : cases) {
        SgrReader reader;
        std::string text;
        for (const char byte : test.line) {
            if (reader.feed(byte)) {
                text += byte;
            }
        }
        reader.endLine();
        EXPECT_EQ(reader.state(), test.after) << test.name;
        EXPECT_EQ(text, test.text) << test.name;
        EXPECT_EQ(SgrReader::stateAfter(test.line, white), test.after) << test.name;
    }
}

TEST(SgrReader, AStatePacksIntoFourBytesAndBack) {
    SgrState ownBold = own(0xabcdef);
    ownBold.bold = true;
    for (const SgrState& state : {white, red, boldRed, bright(0), bright(6), own(0), ownBold}) {
        EXPECT_EQ(PackedSgrState(state).unpack(), state);
    }
    EXPECT_EQ(sizeof(PackedSgrState), 4u);
}

} // namespace
} // namespace vesk
