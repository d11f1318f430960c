#include "SimProcess.h"
#include "SocketHost.h"
#include "app/Client.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

namespace vesk::testing {
namespace {

// One client core connected to a fresh simulator that cuts its writes at random places.
class ClientAgainstSim : public ::testing::Test {
protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() /
                    ("vesk-e2e-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        sim = std::make_unique<vesk::sim::test::SimProcess>(simArguments());
        ASSERT_TRUE(sim->ready()) << sim->output();
    }

    virtual std::vector<std::string> simArguments() const {
        return {"--fragment", "0.5", "--seed", "11", "--chatter-ms", "0"};
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    // Connects as a stored character, the way the login dialog does.
    void connectAs(const std::string& name, const std::string& password) {
        host = std::make_unique<SocketHost>(sim->port("game"));
        ASSERT_TRUE(host->connected());
        client = std::make_unique<Client>(*host, directory);
        client->startUp();
        const int slot = client->preferences().characters.addNew();
        client->preferences().characters[slot].name = name;
        client->preferences().characters[slot].password = password;
        client->connectWithCharacter(slot);
        ASSERT_TRUE(client->ConnectToSite("127.0.0.1", "3000", "FenmarchMUD"));
        client->onConnecting();
        client->onConnected();
    }

    // Feeds what arrives to the client until the condition holds or ten seconds pass.
    bool runUntil(const std::function<bool()>& condition) {
        return host->deliverUntil([this](const std::string& bytes) { client->onReceived(bytes); },
                                  condition);
    }

    std::string visibleText() {
        std::string text;
        for (int index = 0; index < client->mainBuffer().LineCount(); ++index) {
            text += *client->mainBuffer().GetPlainLine(index) + "\n";
        }
        return text;
    }

    std::unique_ptr<vesk::sim::test::SimProcess> sim;
    std::filesystem::path directory;
    std::unique_ptr<SocketHost> host;
    std::unique_ptr<Client> client;
};

TEST_F(ClientAgainstSim, StoredCharacterLogsInAndTheControlChannelFillsTheStatus) {
    connectAs("Tamsin", "tamsin");
    ASSERT_TRUE(runUntil([&] {
        return client->connection().session().loggedIn && client->status().hpMax > 0 &&
               client->status().limbDamage.size() > 0 &&
               sim->output().find("challenge reply matched") != std::string::npos;
    })) << sim->output()
        << visibleText();
    EXPECT_EQ(client->status().characterName(), "Tamsin");
    EXPECT_EQ(sim->output().find("challenge reply did not match"), std::string::npos);
    const std::string shown = visibleText();
    EXPECT_EQ(shown.find("VESK"), std::string::npos) << shown;
    EXPECT_NE(shown.find("Password: [Censored]"), std::string::npos) << shown;
}

TEST_F(ClientAgainstSim, FightDrivesCombatantsExperienceAndTheEnd) {
    connectAs("Tamsin", "tamsin");
    ASSERT_TRUE(runUntil([&] { return client->connection().session().loggedIn; }));
    const std::int32_t experienceBefore = client->status().xp;
    client->connection().DoSend("south");
    client->connection().DoSend("kill training dummy");
    ASSERT_TRUE(runUntil([&] { return client->status().attackers.size() > 0; })) << visibleText();
    ASSERT_TRUE(runUntil([&] {
        return client->status().attackers.size() == 0 && client->status().xp > experienceBefore;
    })) << visibleText();
}

TEST_F(ClientAgainstSim, SkillsAndHelpRequestsAreAnswered) {
    connectAs("Quill", "quill");
    ASSERT_TRUE(runUntil([&] { return client->connection().session().loggedIn; }));
    EXPECT_TRUE(client->codingAccess());
    client->connection().DoSend("vesk skills");
    ASSERT_TRUE(runUntil([&] { return client->skills().levels().size() > 0; })) << visibleText();
    EXPECT_FALSE(client->skills().className().empty());

    // The help browser asks for a category's topics, then for one page, which arrives whole in
    // the help file (rows the scroll-back wrapped are joined again) and goes to the help editor
    // once.
    HelpBrowserModel& help = client->helpBrowser();
    help.selectCategory("Abilities");
    ASSERT_TRUE(runUntil([&] { return !help.topics().empty(); })) << visibleText();
    EXPECT_EQ(help.topics().back(), "stealth");
    help.requestTopic("stealth");
    ASSERT_TRUE(runUntil([&] { return !host->started.empty(); })) << visibleText();
    EXPECT_EQ(host->started.size(), 1u);
    EXPECT_EQ(help.status(), "Current Status: Idle");
    std::ifstream page(directory / "help.txt", std::ios::binary);
    std::vector<std::string> lines;
    for (std::string line; std::getline(page, line);) {
        lines.push_back(line);
    }
    ASSERT_EQ(lines.size(), 7u);
    EXPECT_TRUE(lines[2].starts_with("This page explains 'stealth'.")) << lines[2];
    EXPECT_TRUE(lines[2].ends_with("finally ends with a full stop.")) << lines[2];
    EXPECT_EQ(lines.front(), "Help for: stealth   (abilities)");
    EXPECT_EQ(lines.back(), "See also: help, stealth.");
    EXPECT_EQ(visibleText().find("Help for:"), std::string::npos) << visibleText();
}

// The same login under different cuts: every write cut somewhere, with other seeds.
class LoginUnderEveryCut : public ClientAgainstSim, public ::testing::WithParamInterface<int> {
protected:
    std::vector<std::string> simArguments() const override {
        return {"--fragment", "1", "--seed", std::to_string(GetParam()), "--chatter-ms", "0"};
    }
};

TEST_P(LoginUnderEveryCut, EndsLoggedInWithNothingOfTheControlChannelShown) {
    connectAs("Brannoc", "brannoc");
    ASSERT_TRUE(runUntil([&] {
        return client->status().hpMax > 0 &&
               sim->output().find("challenge reply matched") != std::string::npos;
    })) << sim->output()
        << visibleText();
    EXPECT_EQ(visibleText().find("VESK"), std::string::npos) << visibleText();
}

INSTANTIATE_TEST_SUITE_P(Seeds, LoginUnderEveryCut, ::testing::Values(1, 2, 3, 4, 5));

} // namespace
} // namespace vesk::testing
