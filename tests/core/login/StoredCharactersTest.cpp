#include "login/StoredCharacters.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

std::vector<std::string> names(const StoredCharacters& characters) {
    std::vector<std::string> used;
    for (int slot = 0; slot < characters.usedCount(); ++slot) {
        used.push_back(characters[slot].name);
    }
    return used;
}

TEST(StoredCharacters, NewCharacterFillsFreeSlotsUntilAllAreUsed) {
    StoredCharacters characters;
    for (int slot = 0; slot < StoredCharacters::slotCount; ++slot) {
        ASSERT_EQ(characters.addNew(), slot);
    }
    EXPECT_EQ(characters[5], (CharacterRecord{"New", "", -1, 0}));
    EXPECT_EQ(characters.addNew(), -1) << "the 65th has no room";
    EXPECT_EQ(characters.copy(0), -1);
}

TEST(StoredCharacters, DeleteMovesLaterRecordsDownAndCopyTakesTheFirstFreeSlot) {
    StoredCharacters characters;
    characters[0] = {"Ann", "a", 0, 0};
    characters[1] = {"Bob", "b", 1, 1};
    characters[2] = {"Cy", "c", 2, 0};
    ASSERT_TRUE(characters.remove(1));
    EXPECT_EQ(names(characters), (std::vector<std::string>{"Ann", "Cy"}));
    EXPECT_EQ(characters[1], (CharacterRecord{"Cy", "c", 2, 0}));
    EXPECT_EQ(characters.copy(0), 2);
    EXPECT_EQ(characters[2], characters[0]);
    EXPECT_EQ(characters.copy(10), -1) << "a free slot cannot be copied";
}

TEST(StoredCharacters, FindByNameIgnoresCaseAndFreeSlots) {
    StoredCharacters characters;
    characters[0] = {"Thorn", "", -1, 0};
    EXPECT_EQ(characters.findByName("tHORN"), 0);
    EXPECT_EQ(characters.findByName(""), -1);
    EXPECT_EQ(characters.findByName("Thor"), -1);
}

} // namespace
} // namespace vesk
