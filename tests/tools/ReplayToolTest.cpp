// Runs the vesk-replay executable the way a developer does and checks what it prints.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct ReplayRun {
    std::string output;
    int status = -1;
};

// A path as one shell word, whatever blanks or quotes it holds (a clone may live in a folder
// whose name has blanks).
std::string quoted(const std::string& path) {
    std::string word = "'";
    for (const char character : path) {
        word += character == '\'' ? std::string("'\\''") : std::string(1, character);
    }
    return word + "'";
}

std::string quoted(const std::filesystem::path& path) {
    return quoted(path.string());
}

ReplayRun runReplay(const std::string& arguments, const std::string& environment = {}) {
    ReplayRun run;
    const std::string command =
        environment + quoted(std::string(VESK_REPLAY_PATH)) + " " + arguments + " 2>&1";
    FILE* pipe = popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return run;
    }
    std::array<char, 4096> buffer{};
    std::size_t read = 0;
    while ((read = fread(buffer.data(), 1, buffer.size(), pipe)) > 0) {
        run.output.append(buffer.data(), read);
    }
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return run;
}

std::string sampleSession() {
    std::string files;
    for (int number = 1; number <= 8; ++number) {
        files +=
            " " + quoted(VESK_SAMPLE_SESSION + std::string("/0") + std::to_string(number) + ".bin");
    }
    return files;
}

TEST(ReplayTool, SnapshotOfTheSampleSession) {
    const ReplayRun run = runReplay(sampleSession());
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* expected : {
             R"("characterName":"Tamsin")",
             R"("loggedIn":true)",
             R"("captureMode":0)",
             R"("xp":1320)",
             R"(["left arm",15])",
             R"(["torso",3])",
             R"({"text":"Bob says: hello there\u000d\u000a","handled":1})",
             R"("vesk init 2.04\u000a")",
             R"("\u00ff\u00fc'")",
         }) {
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    }
    EXPECT_EQ(run.output.find("##VESK"), std::string::npos);
}

// The text of one JSON string starting at its opening quote, with the writer's escapes undone.
std::string jsonString(const std::string& json, std::size_t& position) {
    std::string text;
    for (++position; position < json.size() && json[position] != '"'; ++position) {
        if (json[position] != '\\') {
            text.push_back(json[position]);
        } else if (json[++position] == 'u') {
            text.push_back(static_cast<char>(std::stoi(json.substr(position + 1, 4), nullptr, 16)));
            position += 4;
        } else {
            text.push_back(json[position]);
        }
    }
    ++position;
    return text;
}

// What the player sees of the main buffer: each row's displayable characters, without the
// empty row of the cursor at the end.
std::vector<std::string> visibleRows(const std::string& json) {
    std::vector<std::string> rows;
    const std::string rowStart = R"({"text":)";
    std::size_t position = json.find(rowStart, json.find(R"("lines":[)"));
    const std::size_t end = json.find(R"("sent":[)");
    while (position < end) {
        position += rowStart.size();
        const std::string text = jsonString(json, position);
        std::string row;
        for (std::size_t index = 0; index < text.size(); ++index) {
            if (text[index] == '\x1b' && index + 1 < text.size() && text[index + 1] == '[') {
                index = std::min(text.find('m', index), text.size());
            } else if (text[index] >= 0x20 && text[index] <= 0x7e) {
                row.push_back(text[index]);
            }
        }
        rows.push_back(row);
        position = json.find(rowStart, position);
    }
    while (!rows.empty() && rows.back().empty()) {
        rows.pop_back();
    }
    return rows;
}

std::string between(const std::string& text, const std::string& from, const std::string& to) {
    const std::size_t start = text.find(from);
    return start == std::string::npos ? "" : text.substr(start, text.find(to, start) - start);
}

std::string fileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::stringstream content;
    content << file.rdbuf();
    return content.str();
}

// The sample session, then a download and a help page with blank lines, fed whole and cut into
// reads of several sizes: the visible rows, every payload sent, the status and the files the
// transfers wrote must be the same each time.
TEST(ReplayTool, CuttingTheReadsDifferentlyGivesTheSameLinesAndStatus) {
    const auto scratch =
        std::filesystem::temp_directory_path() / ("vesk-replay-cuts-" + std::to_string(::getpid()));
    std::filesystem::remove_all(scratch);
    std::filesystem::create_directories(scratch);
    const auto transfers = scratch / "transfers.bin";
    std::ofstream(transfers, std::ios::binary)
        << "##VESK FILEBEGIN /w/room.c\n##VESK FILECONTINUE\nint a;\r\n\r\nint b;\r\n\r\n"
           "##VESK FILEEND\nDone.\r\n##VESK HELPBEGIN\nTopic\r\n\r\n\r\nText\r\n"
           "##VESK HELPEND\nAfter help.\r\n";
    struct Result {
        std::string output;
        std::string code;
        std::string help;
    };
    const auto replay = [&](const std::string& name, const std::string& options) {
        const auto directory = scratch / name;
        std::filesystem::create_directories(directory);
        const ReplayRun run = runReplay("--dir " + quoted(directory) + options + sampleSession() +
                                        " " + transfers.string());
        EXPECT_EQ(run.status, 0) << run.output;
        // The editors are started on files in the run's own directory.
        std::string output = run.output;
        const std::string path = directory.string();
        for (std::size_t at = output.find(path); at != std::string::npos; at = output.find(path)) {
            output.replace(at, path.size(), "DIR");
        }
        return Result{output, fileText(directory / "TheCode.c"), fileText(directory / "help.txt")};
    };
    const Result whole = replay("whole", "");
    EXPECT_EQ(whole.code, "int a;\n\nint b;\n\n");
    EXPECT_EQ(whole.help, "Topic\n\n\nText\n");
    const std::vector<std::string> rows = visibleRows(whole.output);
    ASSERT_GT(rows.size(), 10u);
    EXPECT_EQ(rows.back(), "After help.");
    for (const char* size : {"1", "2", "7", "64", "100000"}) {
        const Result cut = replay(size, std::string(" --chunk-size ") + size);
        EXPECT_EQ(visibleRows(cut.output), rows) << size;
        EXPECT_EQ(between(cut.output, R"("sent":)", R"("status":)"),
                  between(whole.output, R"("sent":)", R"("status":)"))
            << size;
        EXPECT_EQ(cut.output.substr(cut.output.find(R"("status")")),
                  whole.output.substr(whole.output.find(R"("status")")))
            << size;
        EXPECT_EQ(cut.code, whole.code) << size;
        EXPECT_EQ(cut.help, whole.help) << size;
    }
    std::filesystem::remove_all(scratch);
}

TEST(ReplayTool, SummaryCountsOnly) {
    const ReplayRun run = runReplay("--summary" + sampleSession());
    ASSERT_EQ(run.status, 0);
    EXPECT_NE(run.output.find(R"("chunks":8)"), std::string::npos) << run.output;
}

TEST(ReplayTool, BadInputIsOneLineAndStatusTwo) {
    for (const char* arguments :
         {"--frobnicate", "/no/such/capture", "--chunk-size 0 x", "--port"}) {
        const ReplayRun run = runReplay(arguments);
        EXPECT_EQ(run.status, 2) << arguments;
        EXPECT_EQ(run.output.find('\n'), run.output.size() - 1) << arguments << ": " << run.output;
        EXPECT_EQ(run.output.rfind("vesk-replay: ", 0), 0u) << run.output;
    }
}

// Without --dir the run works in a temporary folder of its own and removes it at exit, also
// when the input is bad.
TEST(ReplayTool, TheTemporaryDirectoryIsRemovedAtExit) {
    std::string pattern = (std::filesystem::temp_directory_path() / "vesk-tmp-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::filesystem::path scratch = pattern;
    const std::string inScratch = "TMPDIR=" + quoted(scratch) + " ";
    EXPECT_EQ(runReplay("--summary" + sampleSession(), inScratch).status, 0);
    EXPECT_EQ(runReplay("--character Nobody" + sampleSession(), inScratch).status, 2);
    EXPECT_TRUE(std::filesystem::is_empty(scratch));
    std::filesystem::remove_all(scratch);
}

// A working directory with a stored character, written by hand in the settings file syntax.
class ReplayWithSettings : public ::testing::Test {
protected:
    void SetUp() override {
        directory = std::filesystem::temp_directory_path() /
                    ("vesk-replay-test-" + std::to_string(::getpid()) + "-" +
                     ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(directory);
        std::filesystem::create_directories(directory);
        std::ofstream preferences(directory / "Preferences.DAT");
        preferences << "LogPrefs\nLogDefault 1\nLogAutoName 0\nLogFile session.log\nEnd\n"
                       "Characters\nCharacter\nName Tamsin\nPassword \"tamsin\"\nProfile -1\n"
                       "Default 1\nEnd\nEnd\n";
        const auto namePrompt = directory / "name.bin";
        const auto passwordPrompt = directory / "password.bin";
        const auto rest = directory / "rest.bin";
        std::ofstream(namePrompt, std::ios::binary) << "What name would you like to use? ";
        std::ofstream(passwordPrompt, std::ios::binary) << "Password: ";
        std::ofstream(rest, std::ios::binary)
            << "\r\nAllowing login.\r\n##VESK NAME Tamsin\n"
               "##VESK LOGON Bob 12 the brave one\nBob says: hi\r\n";
        capture = quoted(namePrompt) + " " + quoted(passwordPrompt) + " " + quoted(rest);
    }
    void TearDown() override { std::filesystem::remove_all(directory); }

    std::filesystem::path directory;
    std::string capture;
};

TEST_F(ReplayWithSettings, StoredCharacterLogsInAndSettingsAreSaved) {
    const ReplayRun run =
        runReplay("--dir " + quoted(directory) + " --character Tamsin --save " + capture);
    ASSERT_EQ(run.status, 0) << run.output;
    for (const char* expected : {
             R"("Tamsin\u000a")",
             R"("tamsin\u000a")",
             R"([Censored])",
             R"("currentCharacter":"Tamsin")",
             R"("profiles":["Default","Tamsin"])",
             R"("activeProfile":1)",
             R"({"name":"Bob","level":12,"word3":"The","word4":"Brave","word5":"one"})",
         }) {
        EXPECT_NE(run.output.find(expected), std::string::npos) << expected << "\n" << run.output;
    }
    EXPECT_EQ(std::filesystem::status(directory / "Preferences.DAT").permissions() &
                  std::filesystem::perms::all,
              std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    std::ifstream profiles(directory / "Profiles.DAT");
    std::stringstream saved;
    saved << profiles.rdbuf();
    EXPECT_NE(saved.str().find("Tamsin"), std::string::npos);
    std::ifstream log(directory / "session.log");
    std::stringstream logged;
    logged << log.rdbuf();
    EXPECT_NE(logged.str().find("Bob says: hi"), std::string::npos) << logged.str();
    EXPECT_EQ(logged.str().find("tamsin"), std::string::npos) << "the password reached the log";
}

TEST_F(ReplayWithSettings, TypedLinesAndMacroKeysGoThroughTheSendPathInOrder) {
    const ReplayRun run = runReplay("--dir " + quoted(directory) + " --character Tamsin " +
                                    capture + " --type \"say hi\" --key \"Keypad Up + Num Lock\"");
    ASSERT_EQ(run.status, 0) << run.output;
    const std::size_t say = run.output.find(R"("say hi\u000a")");
    const std::size_t north = run.output.find(R"("north\u000a")");
    ASSERT_NE(say, std::string::npos) << run.output;
    ASSERT_NE(north, std::string::npos) << run.output;
    EXPECT_LT(say, north);
    EXPECT_NE(run.output.find(R"("history":["say hi"])"), std::string::npos) << run.output;
    EXPECT_EQ(runReplay(capture + " --key \"No Such Key\"").status, 2);
}

TEST_F(ReplayWithSettings, UnknownCharacterIsBadInput) {
    const ReplayRun run =
        runReplay("--dir " + quoted(directory) + " --character Nobody " + capture);
    EXPECT_EQ(run.status, 2);
}

} // namespace
