// vesk-sim's two test-driver modes: a scripted conversation, and a flood for throughput runs.
#include "SimProcess.h"
#include "TestClient.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace vesk::sim::test {
namespace {

// A file in the test's temporary folder, removed afterwards.
class TemporaryFile {
public:
    TemporaryFile(const std::string& name, const std::string& content)
        : path(std::filesystem::temp_directory_path() / (name + "-" + std::to_string(::getpid()))) {
        std::ofstream(path, std::ios::binary) << content;
    }
    ~TemporaryFile() { std::filesystem::remove(path); }
    std::string name() const { return path.string(); }

private:
    std::filesystem::path path;
};

TEST(ScriptTest, MetExpectationsExitZeroAndMissedOnesExitOne) {
    const struct {
        const char* name;
        const char* answer;
        int exitStatus;
    } cases[] = {{"met", "vesk init 2.04", 0}, {"missed", "something else", 1}};
    for (const auto& testCase : cases) {
        SCOPED_TRACE(testCase.name);
        TemporaryFile script(std::string("vesk-sim-script-") + testCase.name,
                             "# a login line and the client's answer\n"
                             "line Allowing login.\n"
                             "expect 2000 vesk init\n"
                             "send ##VESK NAME Tamsin\\r\\n\n"
                             "close\n");
        SimProcess sim({"--script", script.name()});
        ASSERT_TRUE(sim.ready()) << sim.output();
        TestClient client(sim.port("game"));
        ASSERT_TRUE(client.readUntil("Allowing login.\r\n"));
        client.sendLine(testCase.answer);
        if (testCase.exitStatus == 0) {
            EXPECT_TRUE(client.readUntil("##VESK NAME Tamsin\r\n"));
        } else {
            client.disconnect(); // the client goes away without the expected line
        }
        EXPECT_EQ(sim.waitForExit(), testCase.exitStatus) << sim.output();
    }
}

TEST(ScriptTest, UnreadableScriptStopsAtStart) {
    TemporaryFile script("vesk-sim-bad-script", "expect soon\n");
    SimProcess sim({"--script", script.name()});
    EXPECT_EQ(sim.waitForExit(), 1);
    EXPECT_NE(sim.output().find("line 1"), std::string::npos);
}

TEST(FloodTest, SendsTheFileRepeatedlyThenTheMarkerAndReportsTheRate) {
    const std::string block = "The big orc hits your left arm.\r\nhp: 50    sp: 20    mp: 10 \r\n";
    TemporaryFile flood("vesk-sim-flood", block);
    SimProcess sim({"--flood", flood.name(), "--repeat", "500"});
    ASSERT_TRUE(sim.ready());
    TestClient client(sim.port("game"));
    ASSERT_TRUE(
        client.logIn("Tamsin", "tamsin", "        >>> Terminal currently set to ansi <<<\r\n"));
    const auto received = client.readUntil("\r\n<<< vesk-sim flood end >>>\r\n");
    ASSERT_TRUE(received);
    std::string expected;
    for (int copy = 0; copy < 500; ++copy) {
        expected += block;
    }
    EXPECT_EQ(*received, expected + "\r\n<<< vesk-sim flood end >>>\r\n");
    EXPECT_TRUE(sim.waitForOutput("flood: sent " + std::to_string(expected.size()) + " bytes in "));
}

// A file larger than the backlog at which the simulator drops a slow client goes out in pieces,
// not as one write that would end the connection.
TEST(FloodTest, AFileLargerThanTheSlowClientLimitIsSentWhole) {
    const std::string line = "The big orc hits your left arm.\r\n";
    std::string block;
    while (block.size() <= 65 * 1024 * 1024) {
        block += line;
    }
    TemporaryFile flood("vesk-sim-big-flood", block);
    SimProcess sim({"--flood", flood.name()});
    ASSERT_TRUE(sim.ready());
    TestClient client(sim.port("game"));
    ASSERT_TRUE(
        client.logIn("Tamsin", "tamsin", "        >>> Terminal currently set to ansi <<<\r\n"));
    const auto received =
        client.readUntil("\r\n<<< vesk-sim flood end >>>\r\n", std::chrono::seconds(60));
    ASSERT_TRUE(received);
    EXPECT_EQ(received->size(), block.size() + 30);
    EXPECT_TRUE(*received == block + "\r\n<<< vesk-sim flood end >>>\r\n");
}

} // namespace
} // namespace vesk::sim::test
