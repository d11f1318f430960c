#include "prefs/CharacterRecordEditing.h"
#include "prefs/Preferences.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vesk {
namespace {

Preferences withCharacters(int count) {
    Preferences preferences;
    preferences.restoreDefaults();
    for (int slot = 0; slot < count; ++slot) {
        preferences.characters[slot].name = "Char" + std::to_string(slot);
    }
    return preferences;
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
        Preferences preferences = withCharacters(3);
        preferences.settings.setNumber(setting::lastCharLoggedIn, testCase.lastUsed);
        for (int slot : testCase.defaults) {
            preferences.characters[slot].isDefault = 1;
        }
        EXPECT_EQ(CharacterRecordEditing::preselectedSlot(preferences), testCase.expected)
            << testCase.what;
    }
}

TEST(CharacterRecordEditing, DefaultFlagCountsOnlyWhenOne) {
    Preferences preferences = withCharacters(3);
    preferences.settings.setNumber(setting::lastCharLoggedIn, 1);
    preferences.characters[2].isDefault = 2;
    EXPECT_EQ(CharacterRecordEditing::preselectedSlot(preferences), 1);
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
        Preferences preferences = withCharacters(3);
        preferences.settings.setNumber(setting::lastCharLoggedIn, testCase.lastUsed);
        EXPECT_TRUE(CharacterRecordEditing::removeCharacter(preferences, testCase.deleted));
        EXPECT_EQ(preferences.settings.number(setting::lastCharLoggedIn),
                  testCase.expectedLastUsed);
        EXPECT_EQ(preferences.characters.usedCount(), 2);
    }
    Preferences preferences = withCharacters(3);
    EXPECT_FALSE(CharacterRecordEditing::removeCharacter(preferences, 3));
    // The third of three moves into slot 1.
    EXPECT_TRUE(CharacterRecordEditing::removeCharacter(preferences, 1));
    EXPECT_EQ(preferences.characters[1].name, "Char2");
}

} // namespace
} // namespace vesk
