// Logging in to a running vesk-sim over a plain socket, as the client does it.
#include "SimProcess.h"
#include "TestClient.h"

#include <gtest/gtest.h>

namespace vesk::sim::test {
namespace {

const std::string willEcho = "\xFF\xFB\x01";
const std::string wontEcho = "\xFF\xFC\x01";
const std::string terminalLine = "\r\n        >>> Terminal currently set to ansi <<<\r\n";

class LoginTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(sim.ready()) << sim.output(); }
    int gamePort() { return sim.port("game"); }

    SimProcess sim;
};

TEST_F(LoginTest, PasswordPromptIsWrappedInEchoNegotiation) {
    TestClient client(gamePort());
    ASSERT_TRUE(client.readUntil("What name would you like to use? "));
    client.sendLine("Tamsin");
    const auto beforePassword = client.readUntil("Password: ");
    ASSERT_TRUE(beforePassword);
    EXPECT_NE(beforePassword->find(willEcho + "Password: "), std::string::npos);
    client.sendLine("tamsin");
    const auto login = client.readUntil(terminalLine);
    ASSERT_TRUE(login);
    EXPECT_EQ(login->find(wontEcho), 0u);
    EXPECT_NE(login->find("\r\nAllowing login.\r\n"), std::string::npos);
    EXPECT_TRUE(sim.waitForOutput("client 1 sent a password"));
    EXPECT_EQ(sim.output().find("tamsin"), std::string::npos) << "the password was logged";
}

TEST_F(LoginTest, InitAnswerNamesCharacterAndGrantsCodingOnlyToCoders) {
    const struct {
        const char* name;
        const char* password;
        bool coder;
    } cases[] = {{"Tamsin", "tamsin", false}, {"quill", "quill", true}, {"zed", "secret", false}};
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TestClient client(gamePort());
        ASSERT_TRUE(client.logIn(testCase.name, testCase.password));
        client.sendLine("vesk init 2.04");
        const auto answer = client.readUntil("##VESK MSG ");
        ASSERT_TRUE(answer);
        const std::string name(testCase.name);
        const auto shown =
            std::string(1, static_cast<char>(std::toupper(name[0]))) + name.substr(1);
        EXPECT_NE(answer->find("##VESK NAME " + shown + "\r\n"), std::string::npos);
        EXPECT_EQ(answer->find("##VESK INIT\r\n") != std::string::npos, testCase.coder);
        for (const auto* keyword : {"STATUS ", "LIMBS 'head' 0 'torso' 0", "AC 'head' ", "XP ",
                                    "NEWS CLEAR\r\n##VESK NEWS Welcome", "LOGON ClearNames"}) {
            EXPECT_NE(answer->find(std::string("##VESK ") + keyword), std::string::npos) << keyword;
        }
    }
}

TEST_F(LoginTest, WrongPasswordAsksAgainThenHangsUp) {
    TestClient client(gamePort());
    ASSERT_TRUE(client.readUntil("What name would you like to use?"));
    client.sendLine("Quill");
    for (int attempt = 1; attempt < 3; ++attempt) {
        ASSERT_TRUE(client.readUntil("Password: "));
        client.sendLine("nope");
        ASSERT_TRUE(client.readUntil("Wrong password."));
    }
    ASSERT_TRUE(client.readUntil("Password: "));
    client.sendLine("still wrong");
    const auto farewell = client.readUntilClosed();
    ASSERT_TRUE(farewell);
    EXPECT_NE(farewell->find("Too many wrong passwords."), std::string::npos);
}

TEST_F(LoginTest, CharacterStillInTheWorldIsReconnected) {
    {
        TestClient first(gamePort());
        ASSERT_TRUE(first.logIn("Brannoc", "brannoc"));
        // A second login while the first is connected takes the character over.
        TestClient second(gamePort());
        ASSERT_TRUE(second.logIn("Brannoc", "brannoc", "\r\nReconnected.\r\n"));
        EXPECT_TRUE(first.readUntilClosed());
    }
    ASSERT_TRUE(sim.waitForOutput("stays link-dead"));
    TestClient returning(gamePort());
    EXPECT_TRUE(returning.logIn("brannoc", "brannoc", "\r\nReconnected.\r\n"));
}

TEST(FragmentedLoginTest, CutWritesStillCarryEveryByte) {
    SimProcess plain;
    SimProcess cut({"--fragment", "1", "--seed", "7"});
    ASSERT_TRUE(plain.ready());
    ASSERT_TRUE(cut.ready());
    std::vector<std::string> transcripts;
    for (auto* sim : {&plain, &cut}) {
        TestClient client(sim->port("game"));
        ASSERT_TRUE(client.logIn("Tamsin", "tamsin"));
        client.sendLine("vesk skills");
        const auto skills = client.readUntil("##VESK SKILL doublewielding ");
        ASSERT_TRUE(skills);
        transcripts.push_back(*skills);
    }
    EXPECT_EQ(transcripts[0], transcripts[1]);
    EXPECT_NE(transcripts[0].find("##VESK CLASS rogue\r\n"), std::string::npos);
}

} // namespace
} // namespace vesk::sim::test
