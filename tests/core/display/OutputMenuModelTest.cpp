#include "display/OutputMenuModel.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using Action = OutputMenuItem::Action;
using Items = std::vector<OutputMenuItem>;

const OutputMenuItem separator{Action::Separator, {}, {}};
const OutputMenuItem copyBuffer{Action::CopyBuffer, "Copy entire buffer", {}};
const OutputMenuItem clear{Action::Clear, "Clear", {}};

TEST(OutputMenuModel, WithoutAWordOnlyTheBufferItems) {
    EXPECT_EQ(outputMenuItems(std::nullopt, std::nullopt, false), (Items{copyBuffer, clear}));
}

TEST(OutputMenuModel, TheWordsUnderThePointerAreExaminedAndOpened) {
    EXPECT_EQ(
        outputMenuItems("orc", "www.fenmarch.org", false),
        (Items{{Action::SendCommand, "Examine 'orc'", "exa orc"},
               {Action::OpenAddress, "Goto URL 'www.fenmarch.org'", "http://www.fenmarch.org"},
               separator,
               copyBuffer,
               clear}));
    EXPECT_EQ(
        outputMenuItems(std::nullopt, "https://x.org/a", false).front(),
        (OutputMenuItem{Action::OpenAddress, "Goto URL 'https://x.org/a'", "https://x.org/a"}));
}

// A coder reads and edits the file the link word names.
TEST(OutputMenuModel, CodersGetTheFileCommandsOfTheLinkWord) {
    EXPECT_EQ(outputMenuItems("room", "/d/room.c", true),
              (Items{{Action::SendCommand, "Examine 'room'", "exa room"},
                     {Action::OpenAddress, "Goto URL '/d/room.c'", "http:///d/room.c"},
                     separator,
                     {Action::SendCommand, "MORE '/d/room.c'", "more /d/room.c"},
                     {Action::SendCommand, "*MORE '/d/room.c.c'", "more /d/room.c.c"},
                     {Action::SendCommand, "OED '/d/room.c'", "oed /d/room.c"},
                     separator,
                     copyBuffer,
                     clear}));
    EXPECT_EQ(outputMenuItems(std::nullopt, std::nullopt, true),
              (Items{separator, copyBuffer, clear}));
}

} // namespace
} // namespace vesk
