#include "login/AutoLogin.h"
#include "common/LineSender.h"
#include "common/Reporting.h"
#include "connection/TypedTextEncoding.h"
#include "log/SessionLog.h"
#include "login/StoredCharacters.h"
#include "settings/Settings.h"

#include "FakeHost.h"
#include "RecordingSender.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

// What the login rules read and change: the stored characters and the settings.
struct LoginRecords {
    StoredCharacters characters;
    Settings settings;
};

class AutoLoginTest : public ::testing::Test {
protected:
    AutoLoginTest() {
        records.characters[0] = {"Alt", "x", -1, 0};
        records.characters[1] = {"Thorn", "s3cret", -1, 0};
        records.characters[2] = {"Quiet", "", -1, 0};
    }

    using Answers = std::vector<PromptAnswer>;

    testing::FakeHost host;
    Reporting reporting{host, "Vesk.log"};
    LoginRecords records;
    testing::RecordingSender sender;
    SessionLog log{records.settings, reporting, "."};
    TypedTextEncoding typedText{records.settings};
    AutoLogin login{records.characters, records.settings, sender, typedText, host, log};
};

TEST_F(AutoLoginTest, StoredCharacterAnswersBothPromptsOncePerLogin) {
    login.connectWithCharacter(1);
    EXPECT_EQ(records.settings.number(setting::lastCharLoggedIn), 1);
    EXPECT_EQ(log.characterName(), "Thorn");

    const Answers answers = {login.OnNamePrompt(), login.OnPasswordPrompt(),
                             login.OnPasswordPrompt()};
    EXPECT_EQ(answers, (Answers{{true, "Thorn\n"}, {true, "[Censored]\n"}, {false, ""}}));
    EXPECT_EQ(sender.lines, (std::vector<std::string>{"Thorn\n", "s3cret\n"}));
    EXPECT_EQ(records.characters.current(), -1);
    EXPECT_EQ(host.loginDialogs, 0);
}

TEST_F(AutoLoginTest, StoredCharacterWithoutPasswordLeavesThePromptToThePlayer) {
    login.connectWithCharacter(2);
    login.OnNamePrompt();
    EXPECT_EQ(login.OnPasswordPrompt(), (PromptAnswer{true, ""}));
    EXPECT_EQ(sender.lines, (std::vector<std::string>{"Quiet\n"}));
    EXPECT_EQ(records.characters.current(), -1);
}

TEST_F(AutoLoginTest, DohickeyCollectsNameAndPasswordWithTheNameCapitalised) {
    host.loginAnswers.push_back(LoginDetails{"bob", "hunter2"});
    EXPECT_EQ(login.OnNamePrompt(), (PromptAnswer{true, "Bob\n"}));
    EXPECT_EQ(log.characterName(), "Bob");
    EXPECT_EQ(login.pendingName(), "");
    EXPECT_EQ(login.pendingPassword(), "hunter2");
    EXPECT_EQ(login.OnPasswordPrompt(), (PromptAnswer{true, "[Censored]\n"}));
    EXPECT_EQ(login.OnPasswordPrompt(), (PromptAnswer{false, ""}));
    EXPECT_EQ(sender.lines, (std::vector<std::string>{"Bob\n", "hunter2\n"}));
}

TEST_F(AutoLoginTest, CancelledDohickeySendsNothing) {
    host.loginAnswers.push_back(std::nullopt);
    EXPECT_EQ(login.OnNamePrompt(), (PromptAnswer{false, ""}));
    EXPECT_EQ(login.OnPasswordPrompt(), (PromptAnswer{false, ""}));
    EXPECT_TRUE(sender.lines.empty());
    EXPECT_EQ(host.loginDialogs, 1);
}

TEST_F(AutoLoginTest, NothingIsAnsweredWithoutDohickeyOrAfterLogin) {
    records.settings.setNumber(setting::usePasswordDohickey, 0);
    EXPECT_EQ(login.OnNamePrompt(), (PromptAnswer{false, ""}));
    EXPECT_EQ(host.loginDialogs, 0);

    login.connectWithCharacter(1);
    login.setLoggedIn(true);
    EXPECT_EQ(login.OnNamePrompt(), (PromptAnswer{false, ""}));
    EXPECT_EQ(login.OnPasswordPrompt(), (PromptAnswer{false, ""}));
    EXPECT_TRUE(sender.lines.empty());
}

TEST_F(AutoLoginTest, OverlongDohickeyEntriesAreCut) {
    host.loginAnswers.push_back(LoginDetails{std::string(300, 'n'), std::string(300, 'p')});
    login.OnNamePrompt();
    EXPECT_EQ(login.pendingPassword().size(), AutoLogin::pendingWidth);
    EXPECT_EQ(sender.lines.at(0), "N" + std::string(253, 'n') + "\n");
}

} // namespace
} // namespace vesk
