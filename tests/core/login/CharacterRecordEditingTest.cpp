#include "login/CharacterRecordEditing.h"
#include "login/StoredCharacters.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

// What the login rules read and change: the stored characters and the settings.
struct LoginRecords {
    StoredCharacters characters;
    Settings settings;
};

LoginRecords withCharacters(int count) {
    LoginRecords records;
    for (int slot = 0; slot < count; ++slot) {
        records.characters[slot].name = "Char" + std::to_string(slot);
    }
    return records;
}

TEST(CharacterRecordEditing, PreselectsTheLastDefaultElseTheLastCharacterUsed) {
    struct Case {
        const char* what;
        int lastUsed;
        std::vector<int> defaults;
        int expected;
    };
    const Case cases[] = {
        {"last used", 1, {}, 1},
        {"a default wins over the last used", 2, {0}, 0},
        {"the last of several defaults", 0, {1, 2}, 2},
        {"nothing used yet", -1, {}, -1},
        {"last used slot is free now", 5, {}, -1},
        {"last used out of range", 900, {}, -1},
    };
    for (const auto& testCase : cases) {
        LoginRecords records = withCharacters(3);
        records.settings.setNumber(setting::lastCharLoggedIn, testCase.lastUsed);
        for (int slot : testCase.defaults) {
            records.characters[slot].isDefault = 1;
        }
        EXPECT_EQ(CharacterRecordEditing::preselectedSlot(records.characters, records.settings),
                  testCase.expected)
            << testCase.what;
    }
}

TEST(CharacterRecordEditing, DefaultFlagCountsOnlyWhenOne) {
    LoginRecords records = withCharacters(3);
    records.settings.setNumber(setting::lastCharLoggedIn, 1);
    records.characters[2].isDefault = 2;
    EXPECT_EQ(CharacterRecordEditing::preselectedSlot(records.characters, records.settings), 1);
}

TEST(CharacterRecordEditing, FieldsKeepThirtyCharactersAndNeverAnEmptyName) {
    CharacterRecord record{"Bob", "secret", 0, 0};
    const std::string longText(40, 'x');
    EXPECT_TRUE(CharacterRecordEditing::setName(record, longText));
    EXPECT_EQ(record.name, std::string(30, 'x'));
    EXPECT_FALSE(CharacterRecordEditing::setName(record, ""));
    EXPECT_EQ(record.name, std::string(30, 'x'));
    CharacterRecordEditing::setPassword(record, longText);
    EXPECT_EQ(record.password, std::string(30, 'x'));
    CharacterRecordEditing::setPassword(record, "");
    EXPECT_EQ(record.password, "");
}

TEST(CharacterRecordEditing, DeletingKeepsTheLastUsedCharacterPointingAtItsRecord) {
    struct Case {
        int lastUsed, deleted, expectedLastUsed;
    };
    const Case cases[] = {{2, 1, 1}, {1, 1, -1}, {0, 1, 0}, {-1, 0, -1}};
    for (const auto& testCase : cases) {
        LoginRecords records = withCharacters(3);
        records.settings.setNumber(setting::lastCharLoggedIn, testCase.lastUsed);
        EXPECT_TRUE(CharacterRecordEditing::removeCharacter(records.characters, records.settings,
                                                            testCase.deleted));
        EXPECT_EQ(records.settings.number(setting::lastCharLoggedIn), testCase.expectedLastUsed);
        EXPECT_EQ(records.characters.usedCount(), 2);
    }
    LoginRecords records = withCharacters(3);
    EXPECT_FALSE(CharacterRecordEditing::removeCharacter(records.characters, records.settings, 3));
    // The third of three moves into slot 1.
    EXPECT_TRUE(CharacterRecordEditing::removeCharacter(records.characters, records.settings, 1));
    EXPECT_EQ(records.characters[1].name, "Char2");
}

} // namespace
} // namespace vesk
