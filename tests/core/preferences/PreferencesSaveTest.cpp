#include "common/FileText.h"
#include "common/Reporting.h"
#include "preferences/Preferences.h"

#include "FakeHost.h"
#include "ScratchFolder.h"

#include <csignal>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>

namespace vesk {
namespace {

class PreferencesSaveTest : public ::testing::Test {
protected:
    Preferences loadFromFolder() {
        Preferences preferences;
        preferences.LoadPreferences(folder.path(), reporting);
        return preferences;
    }

    static unsigned permissions(const std::filesystem::path& path) {
        struct stat status {};
        ::stat(path.c_str(), &status);
        return status.st_mode & 0777;
    }

    void write(const std::string& name, const std::string& content) {
        ASSERT_TRUE(replaceFileText(folder / name, content));
    }

    testing::ScratchFolder folder;
    testing::FakeHost host;
    Reporting reporting{host, folder / "Vesk.log"};
};

// Makes every write past a few bytes fail as a full disk would, for the life of the object.
class FullDisk {
public:
    FullDisk() {
        ::getrlimit(RLIMIT_FSIZE, &saved_);
        previousHandler_ = std::signal(SIGXFSZ, SIG_IGN);
        rlimit tiny = saved_;
        tiny.rlim_cur = 16;
        ::setrlimit(RLIMIT_FSIZE, &tiny);
    }
    ~FullDisk() {
        ::setrlimit(RLIMIT_FSIZE, &saved_);
        std::signal(SIGXFSZ, previousHandler_);
    }

private:
    rlimit saved_{};
    void (*previousHandler_)(int) = nullptr;
};

TEST_F(PreferencesSaveTest, MissingFilesGiveDefaultsAndTheDefaultMacros) {
    const Preferences loaded = loadFromFolder();
    Preferences defaults;
    defaults.restoreDefaults();
    EXPECT_EQ(loaded.settings, defaults.settings);
    ASSERT_EQ(loaded.profiles.size(), 1u);
    EXPECT_EQ(loaded.profiles[0], CharacterProfileList::defaultProfile());
    EXPECT_FALSE(loaded.font.isChosen());
}

TEST_F(PreferencesSaveTest, EverythingSavedLoadsBackTheSame) {
    Preferences saved = loadFromFolder();
    saved.settings.setText(setting::helpEditor, "/usr/bin/less -R");
    saved.settings.setNumber(setting::statusNarrow, 1);
    saved.characters[0] = {"Thorn", "pw", 1, 0};
    saved.friends.addList("Guild Members");
    saved.friends.addMember(0, "Ann");
    saved.profiles.appendNew("Warrior");
    saved.profiles[1].triggers.push_back({"You are hungry", "eat bread", 1});
    saved.font.setHeight(-13);
    saved.font.setFaceName("DejaVu Sans Mono");
    ASSERT_TRUE(saved.SavePreferences(folder.path(), reporting));

    const Preferences loaded = loadFromFolder();
    EXPECT_EQ(loaded.settings, saved.settings);
    EXPECT_EQ(loaded.characters, saved.characters);
    EXPECT_EQ(loaded.friends, saved.friends);
    EXPECT_EQ(loaded.profiles, saved.profiles);
    EXPECT_EQ(loaded.font, saved.font);
    EXPECT_EQ(loaded.font.faceName(), "DejaVu Sans Mono");
    EXPECT_TRUE(host.warnings.empty());
}

TEST_F(PreferencesSaveTest, PasswordFileIsOwnerOnlyOnEverySave) {
    Preferences preferences = loadFromFolder();
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(permissions(folder / "Preferences.DAT"), 0600u);
    std::filesystem::permissions(folder / "Preferences.DAT",
                                 std::filesystem::perms::owner_all |
                                     std::filesystem::perms::others_read);
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(permissions(folder / "Preferences.DAT"), 0600u);
    EXPECT_EQ(permissions(folder / "Profiles.DAT") & 0600u, 0600u);
}

TEST_F(PreferencesSaveTest, FullDiskLeavesTheOldFilesAndReportsEachFailure) {
    Preferences preferences = loadFromFolder();
    preferences.characters[0] = {"Thorn", "old", 0, 0};
    ASSERT_TRUE(preferences.SavePreferences(folder.path(), reporting));
    const auto oldText = readFileText(folder / "Preferences.DAT");

    preferences.characters[0].password = "new";
    {
        FullDisk full;
        EXPECT_FALSE(preferences.SavePreferences(folder.path(), reporting));
    }
    EXPECT_EQ(readFileText(folder / "Preferences.DAT"), oldText);
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{"Unable to open 'Preferences.DAT', 'Profiles.DAT' and "
                                        "'Prefs2.dat' for writing"}));
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 3)
        << "no temporary file is left behind";
}

TEST_F(PreferencesSaveTest, ProfilesFailureIsReportedAndTheSaveGoesOn) {
    std::filesystem::create_directory(folder / "Profiles.DAT");
    std::filesystem::create_directory(folder / "Prefs2.dat");
    Preferences preferences = loadFromFolder();
    EXPECT_EQ(host.warnings.size(), 2u) << "neither folder is read as a file";
    host.warnings.clear();
    preferences.characters[0] = {"Thorn", "", -1, 0};
    EXPECT_FALSE(preferences.SavePreferences(folder.path(), reporting));
    EXPECT_EQ(host.warnings, (std::vector<std::string>{
                                 "Unable to open 'Profiles.DAT' and 'Prefs2.dat' for writing"}));
    EXPECT_TRUE(std::filesystem::is_regular_file(folder / "Preferences.DAT"));
    EXPECT_EQ(preferences.characters[0].profile, -1) << "still without a profile after the save";
}

TEST_F(PreferencesSaveTest, OneBoxNamesEveryFileLeftUnsaved) {
    Preferences preferences = loadFromFolder();
    const auto missing = folder / "no such folder";
    EXPECT_FALSE(preferences.SavePreferences(missing, reporting));
    EXPECT_EQ(host.warnings,
              (std::vector<std::string>{"Unable to open 'Preferences.DAT', 'Profiles.DAT' and "
                                        "'Prefs2.dat' for writing"}));
}

// An index beyond the profiles is held within them; a character stored before the server
// named it keeps "no profile yet", in memory and in the file, so its first login still gives it
// a profile of its own.
TEST_F(PreferencesSaveTest, SaveClampsAssignedProfilesAndKeepsUnassignedOnes) {
    Preferences preferences = loadFromFolder();
    preferences.profiles.appendNew("Second");
    preferences.characters[0] = {"A", "", -1, 0};
    preferences.characters[1] = {"B", "", 9, 0};
    preferences.characters[2] = {"C", "", 1, 0};
    preferences.characters[3] = {"D", "", -7, 0};
    preferences.SavePreferences(folder.path(), reporting);
    EXPECT_EQ(preferences.characters[0].profile, -1);
    EXPECT_EQ(preferences.characters[1].profile, 1);
    EXPECT_EQ(preferences.characters[2].profile, 1);
    EXPECT_EQ(preferences.characters[3].profile, -1);

    Preferences reloaded = loadFromFolder();
    EXPECT_EQ(reloaded.characters[0].profile, -1);
    reloaded.SelectProfileForCharacter("A");
    ASSERT_EQ(reloaded.profiles.size(), 3u);
    EXPECT_EQ(reloaded.profiles[2].name(), "A");
    EXPECT_EQ(reloaded.characters[0].profile, 2);
    EXPECT_EQ(reloaded.activeProfile, 2);
}

TEST_F(PreferencesSaveTest, FontRecordIsClearedWhenShortOrImplausible) {
    std::string record(60, '\0');
    record[0] = static_cast<char>(0xF3);
    record[20] = 1;
    record.replace(28, 7, "Courier");
    struct Case {
        const char* name;
        std::string bytes;
        bool chosen;
    };
    const Case cases[] = {{"ten bytes", record.substr(0, 10), false},
                          {"italic byte 2", std::string(record).replace(20, 1, "\x02"), false},
                          {"valid", record, true},
                          {"longer file", record + "tail", true}};
    for (const auto& testCase : cases) {
        write("Prefs2.dat", testCase.bytes);
        const Preferences loaded = loadFromFolder();
        EXPECT_EQ(loaded.font.isChosen(), testCase.chosen) << testCase.name;
        if (testCase.chosen) {
            EXPECT_EQ(loaded.font.faceName(), "Courier");
            EXPECT_EQ(loaded.font.height(), 243);
            EXPECT_TRUE(loaded.font.italic());
        }
    }
}

TEST_F(PreferencesSaveTest, ProfilesFileWithoutProfilesRestoresTheDefaultProfile) {
    write("Profiles.DAT", "# nothing here\nGarbage\n");
    const Preferences loaded = loadFromFolder();
    ASSERT_EQ(loaded.profiles.size(), 1u);
    EXPECT_EQ(loaded.profiles[0], CharacterProfileList::defaultProfile());
    EXPECT_EQ(host.traces,
              (std::vector<std::string>{"CCharacterProfileList;;Load(Profiles.DAT); Unknown token "
                                        "'Garbage'\n"}));
}

} // namespace
} // namespace vesk
