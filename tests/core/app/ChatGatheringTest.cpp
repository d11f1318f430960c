#include "app/ChatGathering.h"
#include "FakeHost.h"
#include "ScratchFolder.h"
#include "app/Client.h"
#include "settings/SettingsTable.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

// Which recognised lines are another player's conversation, and who spoke them.
TEST(ChatGatheringRuleTest, OthersConversationAndItsSpeaker) {
    struct Case {
        std::string line;
        int category;
        bool gathered;
        std::optional<std::string_view> speaker;
    };
    const std::vector<Case> cases = {
        {"Bob says: hello there", 2, true, "Bob"},
        {"Bob tells you: meet me at the gate", 0, true, "Bob"},
        {"Bob shouts: run!", 1, true, "Bob"},
        {"[Gossip] Bob: hi", 3, true, "Bob"},
        {"%[Newbie] Ann-Marie: where is the bank?", 3, true, "Ann-Marie"},
        {"<=- Begin Review -=>", 3, true, std::nullopt},
        {"You say: hi", 2, false, std::nullopt},
        {"You tell Bob: hi", 0, false, std::nullopt},
        {"You shout: help", 1, false, std::nullopt},
        // The player's own line on a channel (the character is Tamsin).
        {"[Gossip] Tamsin: hi all", 3, false, "Tamsin"},
        {"Tamsin says: hi", 2, false, "Tamsin"},
        // Not conversation at all.
        {"The orc hits you.", 4, false, std::nullopt},
        {"Bob says: ##VESK NAME Evil", 4, false, std::nullopt},
    };
    for (const Case& each : cases) {
        EXPECT_EQ(ChatGathering::isOthersConversation(each.line, each.category, "Tamsin"),
                  each.gathered)
            << each.line;
        EXPECT_EQ(ChatGathering::speakerOf(each.line, each.category), each.speaker) << each.line;
    }
}

class ChatGatheringTest : public ::testing::Test {
protected:
    ChatGatheringTest() : client(host, folder.path()) {
        Settings& settings = client.preferences().settings;
        settings.setNumber(setting::chatOpen, 1);
        settings.setNumber(setting::logDefault, 0);
        settings.setText(setting::logFile, "session.txt");
        client.ToggleLogging();
        EXPECT_TRUE(client.ConnectToSite("localhost", "3000", "FenmarchMUD"));
        client.onConnecting();
        client.onConnected();
        client.onReceived("##VESK NAME Tamsin\n");
    }
    std::vector<std::string> chatLines() {
        std::vector<std::string> lines;
        for (int index = 0; index < client.chatBuffer().LineCount(); ++index) {
            lines.push_back(*client.chatBuffer().GetPlainLine(index));
        }
        return lines;
    }
    static int occurrences(const std::string& text, const std::string& part) {
        int count = 0;
        for (auto at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) {
            ++count;
        }
        return count;
    }

    FakeHost host;
    ScratchFolder folder;
    Client client;
};

// Conversation reaches the chat pane and stays in the main view; the log has each line once.
TEST_F(ChatGatheringTest, OthersLinesGatherInTheOpenChatPaneAndAreLoggedOnce) {
    client.onReceived("Bob tells you: meet me at the gate\r\n[Gossip] Ann: anyone?\r\n"
                      "You say: hello\r\nThe orc hits you.\r\n[Gossip] Tamsin: me!\r\n");
    EXPECT_EQ(chatLines(), (std::vector<std::string>{"Bob tells you: meet me at the gate",
                                                     "[Gossip] Ann: anyone?"}));
    const std::string log = folder.read("session.txt");
    EXPECT_EQ(occurrences(log, "Bob tells you: meet me at the gate"), 1);
    EXPECT_EQ(occurrences(log, "[Gossip] Ann: anyone?"), 1);
    EXPECT_GE(host.countChanges(Change::ChatBuffer), 1);
    EXPECT_EQ(client.chatGathering().recentSpeakers(), (std::deque<std::string>{"Ann", "Bob"}));
}

TEST_F(ChatGatheringTest, NothingGathersWithThePaneClosedOrTheOptionOff) {
    client.preferences().settings.setNumber(setting::chatOpen, 0);
    client.onReceived("Bob says: one\r\n");
    client.preferences().settings.setNumber(setting::chatOpen, 1);
    client.preferences().settings.setNumber(setting::gatherChat, 0);
    client.onReceived("Bob says: two\r\n");
    EXPECT_TRUE(chatLines().empty());
    // The speakers are still known to the completion.
    EXPECT_EQ(client.chatGathering().recentSpeakers(), (std::deque<std::string>{"Bob"}));
}

} // namespace
} // namespace vesk::testing
