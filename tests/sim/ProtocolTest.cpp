// The control channel of a running vesk-sim, driven the way the client drives it.
#include "SimProcess.h"
#include "TestClient.h"
#include "protocol/ChallengeCipher.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

namespace vesk::sim::test {
namespace {

class ProtocolTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.ready()) << sim.output(); }

    std::unique_ptr<TestClient> loggedIn(const char* name, const char* password) {
        auto client = std::make_unique<TestClient>(sim.port("game"));
        EXPECT_TRUE(client->logIn(name, password));
        return client;
    }

    SimProcess sim;
};

// Every line between two control lines, as the client's capture mode collects them.
std::vector<std::string> linesBetween(const std::string& text, const std::string& from,
                                      const std::string& to) {
    std::vector<std::string> lines;
    auto start = text.find(from);
    const auto end = text.find(to, start);
    if (start == std::string::npos || end == std::string::npos) {
        return lines;
    }
    for (start += from.size(); start < end;) {
        const auto lineEnd = text.find("\r\n", start);
        lines.push_back(text.substr(start, lineEnd - start));
        start = lineEnd + 2;
    }
    return lines;
}

TEST_F(ProtocolTest, ChallengeReplyIsCheckedWithTheSharedKey) {
    const struct {
        const char* name;
        int offset;
        const char* verdict;
    } cases[] = {{"Tamsin", 0, "client 1 challenge reply matched"},
                 {"Quill", 1, "client 2 challenge reply did not match"}};
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        auto client =
            loggedIn(testCase.name, testCase.name == std::string("Tamsin") ? "tamsin" : "quill");
        client->sendLine("vesk init 2.04");
        ASSERT_TRUE(client->readUntil("##VESK MSG "));
        const auto numbers = client->readUntil("\r\n");
        ASSERT_TRUE(numbers);
        std::smatch match;
        ASSERT_TRUE(std::regex_search(*numbers, match, std::regex("^(-?[0-9]+) (-?[0-9]+)\r\n")));
        const auto answer = decipherChallenge({std::stoi(match[1]), std::stoi(match[2])});
        // Exactly what the client sends: a leading line feed, the reply, a line feed, a zero.
        client->sendLine("\nvesk reply " + std::to_string(answer.first + testCase.offset) + " " +
                         std::to_string(answer.second));
        EXPECT_TRUE(sim.waitForOutput(testCase.verdict)) << sim.output();
    }
}

TEST_F(ProtocolTest, EditorTransferRoundTrip) {
    auto client = loggedIn("Quill", "quill");
    client->sendLine("oed /d/town/square.c");
    const auto download = client->readUntil("##VESK FILEEND\r\n");
    ASSERT_TRUE(download);
    ASSERT_NE(download->find("##VESK FILEBEGIN /d/town/square.c\r\n##VESK FILECONTINUE\r\n"),
              std::string::npos);
    auto first = linesBetween(*download, "##VESK FILECONTINUE\r\n", "##VESK FILEPAUSE\r\n");
    const auto paused = download->substr(download->find("##VESK FILEPAUSE"));
    const auto second = linesBetween(paused, "##VESK FILECONTINUE\r\n", "##VESK FILEEND\r\n");
    ASSERT_FALSE(first.empty());
    ASSERT_FALSE(second.empty());
    EXPECT_EQ(first.front(), "/* Fenmarch Square */");
    EXPECT_EQ(second.back(), "}");

    client->sendLine("osave");
    ASSERT_TRUE(client->readUntil("##VESK SENDFILENAME\r\n"));
    client->sendLine("@/d/town/square.c\n");
    ASSERT_TRUE(client->readUntil("##VESK SENDFILE\r\n"));
    const std::string longLine(300, 'x');
    client->sendLine("@// edited$^int answer = 42;$^");
    ASSERT_TRUE(client->readUntil("##VESK SENDLINE 2\r\n"));
    client->sendLine(""); // an empty batch: a zero byte alone
    client->sendLine("@" + longLine + "$^");
    ASSERT_TRUE(client->readUntil("##VESK SENDLINE 3\r\n"));
    client->sendLine("@##VESK_FINISHFILE");
    ASSERT_TRUE(client->readUntil("##VESK SENDLINE DONE\r\n"));

    client->sendLine("more /d/town/square.c");
    const auto shown = client->readUntil("--- end of /d/town/square.c ---");
    ASSERT_TRUE(shown);
    EXPECT_NE(shown->find("// edited\r\nint answer = 42;\r\n" + longLine + "\r\n"),
              std::string::npos);
}

TEST_F(ProtocolTest, WhoPortListsEveryoneThenCloses) {
    auto player = loggedIn("Tamsin", "tamsin");
    TestClient who(sim.port("who"));
    const auto listing = who.readUntilClosed();
    ASSERT_TRUE(listing);
    EXPECT_EQ(listing->rfind("##VESK LOGON ClearNames\r\n", 0), 0u);
    EXPECT_NE(listing->find("##VESK LOGON Tamsin 12 human rogue player\r\n"), std::string::npos);
    EXPECT_NE(listing->find("##VESK LOGON Mirela 21 elf cleric player\r\n"), std::string::npos);
    EXPECT_NE(listing->find("FenmarchMUD: 4 online"), std::string::npos);
    EXPECT_NE(listing->find("  12  Human    Rogue      Tamsin\r\n"), std::string::npos);
}

TEST_F(ProtocolTest, BrowserListingsUseThePathsAsSent) {
    auto client = loggedIn("Quill", "quill");
    client->sendLine("ofile dir /");
    EXPECT_TRUE(client->readUntil("##VESK DIRTREE / d doc include log w\r\n"));
    client->sendLine("ofile files /d/town/");
    EXPECT_TRUE(client->readUntil("##VESK DIRFILES /d/town/ orc.c orc.h square.c tavern.c\r\n"));
}

TEST_F(ProtocolTest, RandomBytesAndDroppedClientsLeaveTheServerServing) {
    std::mt19937 random(424242);
    std::uniform_int_distribution<int> byte(0, 255);
    {
        TestClient noisy(sim.port("game"));
        auto player = loggedIn("Tamsin", "tamsin");
        for (int chunk = 0; chunk < 100; ++chunk) {
            std::string bytes(1000, '\0');
            for (auto& character : bytes) {
                character = static_cast<char>(byte(random));
            }
            noisy.send(bytes);
            player->send(bytes);
        }
        player->send(std::string(100000, 'y') + "\n");
        auto coder = loggedIn("Quill", "quill");
        coder->sendLine("osave");
        coder->sendLine("@/d/town/orc.c");
        coder->sendLine("@half a file$^");
        ASSERT_TRUE(coder->readUntil("##VESK SENDLINE 1\r\n"));
        auto fighter = loggedIn("Brannoc", "brannoc");
        fighter->sendLine("s");
        fighter->sendLine("kill dummy");
        ASSERT_TRUE(fighter->readUntil("##VESK COMBAT @training dummy@ 10 0 @Brannoc@ 10 1"));
    } // everyone drops mid-noise, mid-upload and mid-fight

    TestClient fresh(sim.port("game"));
    ASSERT_TRUE(fresh.logIn("Zora", "pw"));
    fresh.sendLine("who");
    EXPECT_TRUE(fresh.readUntil("Zora"));
    EXPECT_TRUE(sim.running());
}

} // namespace
} // namespace vesk::sim::test
