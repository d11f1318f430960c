#include "settings/Settings.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace vesk {
namespace {

// Live settings with a listener that notes every notice.
struct Heard {
    Heard() {
        settings.setListener([this](SettingKey key) { keys.push_back(key); });
    }
    Settings settings;
    std::vector<SettingKey> keys;
};

TEST(SettingsTable, EachNameIsItsOwnRowAndEachFileKeyIsFoundAgain) {
    std::set<std::pair<std::string_view, std::string_view>> fileKeys;
    for (const SettingDefinition& row : SettingsTable::definitions()) {
        EXPECT_EQ(&SettingsTable::definition(row.setting), &row) << row.key;
        EXPECT_TRUE(fileKeys.insert({row.section, row.key}).second)
            << row.section << " " << row.key;
        EXPECT_EQ(SettingsTable::indexForFileKey(row.section, row.key),
                  static_cast<int>(rowOf(row.setting)));
    }
    EXPECT_EQ(SettingsTable::definitions().size(), settingCount);
    EXPECT_EQ(SettingsTable::indexForFileKey("GeneralInfo", "NoSuchKey"), -1);
}

// The option pages take their limits from here.
TEST(SettingsTable, LimitsLiveWithTheSetting) {
    const SettingLimits& width = SettingsTable::limits(setting::numCharactersWidth);
    EXPECT_EQ(width.minimum, 0);
    EXPECT_EQ(width.maximum, 999);
    EXPECT_EQ(width.width, 15);
    const SettingLimits& rows = SettingsTable::limits(setting::chatLines);
    EXPECT_EQ(rows.minimum, 1);
    EXPECT_EQ(rows.maximum, 100);
    EXPECT_EQ(SettingsTable::limits(setting::stackCharacter).width, 1);
    for (const SettingKey path : {setting::editor, setting::helpEditor, setting::logFile}) {
        EXPECT_EQ(SettingsTable::limits(path).width, 255);
    }
    EXPECT_TRUE(SettingsTable::limits(setting::colourRed).allows(255));
    EXPECT_FALSE(SettingsTable::limits(setting::colourRed).allows(256));
}

// A window's place changes with every step of a drag and is written at exit; the rest at once.
TEST(SettingsTable, OnlyPlacesWaitForTheExit) {
    std::vector<std::string> waiting;
    for (const SettingDefinition& row : SettingsTable::definitions()) {
        if (row.saved == SettingSaved::AtExit) {
            waiting.push_back(std::string(row.section) + " " + std::string(row.key));
        }
    }
    EXPECT_EQ(waiting, (std::vector<std::string>{
                           "GeneralInfo Location", "GeneralInfo Dimensions",
                           "GeneralInfo IsMaximized", "StatusWindow MoveableLocation",
                           "StatusWindow Dimensions", "SkillsWindow Location",
                           "SkillsWindow Dimensions", "Friends Location", "Friends Dimensions"}));
}

TEST(SettingsTable, NumbersTypedIntoAFieldAreTakenWithinTheirLimits) {
    struct Case {
        const char* text;
        std::optional<std::int32_t> width;
    };
    const Case cases[] = {
        {"80", 80},
        {" 132 ", 132},
        {"0", 0},
        {"999", 999},
        {"+7", 7},
        {"1000", std::nullopt},
        {"-1", std::nullopt},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"12a", std::nullopt},
        {"1 2", std::nullopt},
        {"99999999999999999999", std::nullopt},
        // Only the field's 15 characters are read.
        {"000000000000000123", 0},
        {"5                    7", 5},
    };
    for (const auto& [text, width] : cases) {
        EXPECT_EQ(SettingsTable::numberFromText(setting::numCharactersWidth, text), width) << text;
    }
    EXPECT_EQ(SettingsTable::numberFromText(setting::chatLines, "0"), std::nullopt);
    EXPECT_EQ(SettingsTable::numberFromText(setting::chatLines, "100"), 100);
}

TEST(Settings, EachChangeIsAnnouncedOnceAndAnUnchangedValueNotAtAll) {
    Heard heard;
    heard.settings.setNumber(setting::cmdEcho, 1);
    heard.settings.setText(setting::logFile, "logfile.txt");
    EXPECT_TRUE(heard.keys.empty()) << "the defaults were set again";
    heard.settings.setNumber(setting::cmdEcho, 0);
    heard.settings.setText(setting::logFile, "game.txt");
    heard.settings.setNumbers(setting::colourRed, {1, 2, 3});
    heard.settings.setNumbers(setting::colourRed, {1, 2, 3});
    EXPECT_EQ(heard.keys,
              (std::vector<SettingKey>{setting::cmdEcho, setting::logFile, setting::colourRed}));
    EXPECT_EQ(heard.settings.number(setting::colourRed, 2), 3);
    EXPECT_FALSE(heard.settings.setNumber(setting::cmdEcho, 5, 3));
    EXPECT_EQ(heard.keys.size(), 3u);
}

// A dialog edits a copy; only handing it back changes the live settings, each once.
TEST(Settings, ACopyIsADraftAndHandingItBackAnnouncesWhatDiffers) {
    Heard heard;
    Settings draft = heard.settings;
    draft.setNumber(setting::statusNarrow, 1);
    draft.setNumber(setting::chatLines, 20);
    draft.setNumber(setting::chatLines, 25);
    EXPECT_TRUE(heard.keys.empty());
    heard.settings = draft;
    EXPECT_EQ(heard.keys, (std::vector<SettingKey>{setting::statusNarrow, setting::chatLines}));
    EXPECT_EQ(heard.settings, draft);
    heard.settings = draft;
    EXPECT_EQ(heard.keys.size(), 2u);
}

TEST(Settings, ValuesReadByNameStartAtTheirDefaults) {
    const Settings settings;
    EXPECT_EQ(settings.number(setting::numCharactersWidth), 80);
    EXPECT_EQ(settings.number(setting::windowDimensions, 1), 480);
    EXPECT_EQ(settings.number(setting::lastCharLoggedIn), -1);
    EXPECT_EQ(settings.character(setting::stackCharacter), '&');
    EXPECT_EQ(settings.text(setting::logFile), "logfile.txt");
    EXPECT_TRUE(settings.isOn(setting::cmdEcho));
    EXPECT_EQ(settings.number(setting::cmdEcho, 3), 0) << "no fourth number";
}

} // namespace
} // namespace vesk
