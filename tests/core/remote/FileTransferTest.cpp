#include "remote/FileTransfer.h"

#include "FakeHost.h"
#include "RecordingSender.h"
#include "ScratchFolder.h"
#include "remote/FileBrowserModel.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using testing::FakeHost;
using testing::RecordingSender;
using testing::ScratchFolder;

class FileTransferTest : public ::testing::Test {
protected:
    FakeHost host;
    RecordingSender sender;
    ScratchFolder directory;
    std::string editor = "/opt/edit it/editor";
    bool developmentPort = false;
    bool connected = true;
    FileTransfer transfer{host, sender, directory.path(),
                          FileTransfer::Environment{[this] { return editor; },
                                                    [this] { return developmentPort; },
                                                    [this] { return connected; }}};

    std::vector<std::string> upload(const std::string& content) {
        directory.write("TheCode.c", content);
        sender.lines.clear();
        transfer.SendEditFile();
        return sender.lines;
    }
};

TEST_F(FileTransferTest, DownloadWritesTheFixedFilesCountsLinesAndStartsTheEditor) {
    struct Case {
        bool developmentPort;
        std::string editFile;
        std::string infoFile;
    };
    const Case cases[] = {{false, "TheCode.c", "TheCode.DAT"},
                          {true, "TheCode_Devel.c", "TheCode_Devel.DAT"}};
    for (const Case& c : cases) {
        developmentPort = c.developmentPort;
        host.clearRecords();
        transfer.BeginReceive("/d/room.c");
        EXPECT_EQ(transfer.titleSuffix(), " (OED: Receiving)");
        std::vector<std::string> suffixes;
        std::string expected;
        for (int line = 1; line <= 25; ++line) {
            const std::string text = "line " + std::to_string(line) + "\n";
            transfer.ReceiveLine(text);
            expected += text;
            suffixes.push_back(transfer.titleSuffix());
        }
        EXPECT_EQ(suffixes[9], " (OED: 10 Lines Received)") << c.editFile;
        EXPECT_EQ(suffixes[19], " (OED: 20 Lines Received)") << c.editFile;
        EXPECT_EQ(suffixes[24], " (OED: 20 Lines Received)") << c.editFile;
        transfer.onFileEnd();
        EXPECT_EQ(transfer.titleSuffix(), "");
        EXPECT_FALSE(transfer.receiving());
        EXPECT_EQ(directory.read(c.editFile), expected);
        EXPECT_EQ(directory.read(c.infoFile), "/d/room.c\n");
        const FakeHost::StartedProcess editorRun{editor,
                                                 {(directory.path() / c.editFile).string()}};
        EXPECT_EQ(host.started, std::vector<FakeHost::StartedProcess>{editorRun});
    }
}

TEST_F(FileTransferTest, ServerNamesNeverChooseALocalPath) {
    transfer.BeginReceive("../../outside/evil.c");
    transfer.ReceiveLine("x\n");
    transfer.onFileEnd();
    EXPECT_EQ(directory.fileCount(), 2);
    EXPECT_EQ(directory.read("TheCode.DAT"), "../../outside/evil.c\n");
    EXPECT_EQ(directory.read("TheCode.c"), "x\n");
}

TEST_F(FileTransferTest, AnOverlongRemoteNameIsRefusedRatherThanCut) {
    transfer.BeginReceive(std::string(254, 'n'));
    EXPECT_TRUE(transfer.receiving());
    transfer.EndReceive();
    EXPECT_TRUE(host.warnings.empty());

    directory.write("TheCode.DAT", "old\n");
    transfer.BeginReceive(std::string(255, 'n'));
    EXPECT_FALSE(transfer.receiving());
    EXPECT_EQ(host.warnings.size(), 1u);
    EXPECT_EQ(directory.read("TheCode.DAT"), "old\n");
}

TEST_F(FileTransferTest, ANewDownloadClosesTheOldOneFirst) {
    transfer.BeginReceive("/a.c");
    transfer.ReceiveLine("first\n");
    transfer.BeginReceive("/b.c");
    transfer.ReceiveLine("second\n");
    transfer.onFileEnd();
    EXPECT_EQ(directory.read("TheCode.c"), "second\n");
    EXPECT_EQ(directory.read("TheCode.DAT"), "/b.c\n");
    EXPECT_EQ(host.started.size(), 1u);
}

TEST(FileTransferUnwritable, AnUnwritableWorkingDirectoryIsReportedAndNothingIsCaptured) {
    FakeHost host;
    RecordingSender sender;
    FileTransfer transfer(host, sender, "/nonexistent-vesk-directory", {});
    transfer.BeginReceive("/d/x.c");
    transfer.ReceiveLine("lost\n");
    EXPECT_FALSE(transfer.receiving());
    EXPECT_EQ(host.warnings, std::vector<std::string>{"Error opening 'TheCode.DAT' for writing"});
    EXPECT_EQ(transfer.receivedLines(), 0);
}

TEST_F(FileTransferTest, SendFileNameAnswersWithTheRecordedName) {
    struct Case {
        const char* name;
        std::optional<std::string> infoFile;
        std::string sent;
    };
    const Case cases[] = {
        {"no info file", std::nullopt, "NO_FILE"},
        {"empty info file", "", "NO_FILE"},
        {"recorded name", "/d/x.c\n", "@/d/x.c"},
        {"first line only", "/d/x.c\nmore\n", "@/d/x.c"},
        {"overlong line is not sent cut", std::string(300, 'n') + "\n", "NO_FILE"},
    };
    for (const Case& c : cases) {
        std::filesystem::remove(directory.path() / "TheCode.DAT");
        if (c.infoFile) {
            directory.write("TheCode.DAT", *c.infoFile);
        }
        sender.lines.clear();
        transfer.SendFileName();
        EXPECT_EQ(sender.lines, std::vector<std::string>{c.sent}) << c.name;
    }
    directory.write("TheCode.DAT", "/d/x.c\n");
    EXPECT_EQ(transfer.currentlyEditingText(), "Currently Editing: /d/x.c");
}

TEST_F(FileTransferTest, UploadBatchesShortLinesAndSendsLongOnesAlone) {
    const std::string finish = "@##VESK_FINISHFILE";
    const std::string longLine(300, 'x');
    const std::string line200(200, 'a');
    struct Case {
        const char* name;
        std::string content;
        std::vector<std::string> messages;
        int lines;
    };
    const Case cases[] = {
        {"three short lines travel as one", "a\nb\nc\n", {"@a$^b$^c$^", finish}, 3},
        {"long line after a batch",
         "a\n" + longLine + "\n",
         {"@a$^", "@" + longLine + "$^", finish},
         2},
        {"long line first sends the empty batch",
         longLine + "\n",
         {"", "@" + longLine + "$^", finish},
         1},
        {"batch and line of 251 bytes stay together",
         line200 + "\n" + std::string(49, 'b') + "\n",
         {"@" + line200 + "$^" + std::string(49, 'b') + "$^", finish},
         2},
        {"batch and line of 252 bytes part",
         line200 + "\n" + std::string(50, 'b') + "\n",
         {"@" + line200 + "$^", "@" + std::string(50, 'b') + "$^", finish},
         2},
        {"carriage return line ends read as line feeds", "a\r\nb\r\n", {"@a$^b$^", finish}, 2},
        {"a lone carriage return is encoded too", "a\rb\n", {"@a$^b$^", finish}, 1},
        {"last line without line feed", "a\nb", {"@a$^b", finish}, 2},
        {"lines past 4094 bytes go in pieces",
         std::string(5000, 'z') + "\n",
         {"", "@" + std::string(4094, 'z'), "", "@" + std::string(906, 'z') + "$^", finish},
         2},
        {"empty file", "", {finish}, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(upload(c.content), c.messages) << c.name;
        EXPECT_EQ(transfer.sentLines(), c.lines) << c.name;
        EXPECT_EQ(transfer.titleSuffix(), " (OED: Sending)") << c.name;
    }
}

TEST_F(FileTransferTest, UploadNeedsAConnectionAndAReadableFile) {
    connected = false;
    EXPECT_TRUE(upload("a\n").empty());
    connected = true;
    std::filesystem::remove(directory.path() / "TheCode.c");
    transfer.SendEditFile();
    EXPECT_TRUE(sender.lines.empty());
    EXPECT_EQ(host.warnings, std::vector<std::string>{"Unable to open 'TheCode.c' for reading"});
    EXPECT_EQ(transfer.sentLines(), -1);
}

TEST_F(FileTransferTest, SendLineProgressShowsInTheTitle) {
    transfer.ShowSendProgress(3);
    EXPECT_EQ(transfer.titleSuffix(), " (OED: 3 lines sent)");
    std::string twelveLines;
    for (int line = 0; line < 12; ++line) {
        twelveLines += "l\n";
    }
    upload(twelveLines);
    transfer.ShowSendProgress(5);
    EXPECT_EQ(transfer.titleSuffix(), " (OED: 5 of 12 lines sent)");
    transfer.ShowSendProgress(-1);
    EXPECT_EQ(transfer.titleSuffix(), "");
    EXPECT_EQ(transfer.sentLines(), -1);
    EXPECT_GT(host.countChanges(Change::Title), 0);
}

TEST_F(FileTransferTest, TheFileBrowserShowsTransferStatusOnceItExists) {
    FileBrowserModel browser(host, sender, [] { return true; });
    transfer.setBrowser(&browser);
    transfer.BeginReceive("/d/x.c");
    EXPECT_EQ(browser.status(), "");
    transfer.EndReceive();
    browser.ShowFileBrowser();
    transfer.BeginReceive("/d/x.c");
    EXPECT_EQ(browser.status(), "Current Status: Receiving file..");
    transfer.EndReceive();
    EXPECT_EQ(browser.status(), "Current Status: Idle");
    upload("a\n");
    EXPECT_EQ(browser.status(), "Current Status: Idle");
}

TEST_F(FileTransferTest, TheEditorGetsItsSettingAsTheProgramAndTheFileAsItsOneArgument) {
    editor = "/opt/my editor; rm -rf $HOME";
    transfer.RunEditor();
    ASSERT_EQ(host.started.size(), 1u);
    EXPECT_EQ(host.started[0].program, editor);
    EXPECT_EQ(host.started[0].arguments,
              std::vector<std::string>{(directory.path() / "TheCode.c").string()});
    editor.clear();
    transfer.RunEditor();
    EXPECT_EQ(host.started.size(), 1u);
}

TEST_F(FileTransferTest, OnlyADownloadUnderWayStartsTheEditorOnce) {
    transfer.onFileEnd();
    EXPECT_TRUE(host.started.empty());
    transfer.BeginReceive("/a.c");
    transfer.ReceiveLine("x\n");
    transfer.onFileEnd();
    transfer.onFileEnd();
    EXPECT_EQ(host.started.size(), 1u);
}

// An upload asked for while a download is still open sends what has arrived so far, not what
// happened to have left the stream's buffer.
TEST_F(FileTransferTest, UploadDuringADownloadSendsEverythingReceivedSoFar) {
    transfer.BeginReceive("/a.c");
    std::string expected;
    for (int line = 0; line < 50; ++line) {
        transfer.ReceiveLine("line " + std::to_string(line) + "\n");
        expected += "line " + std::to_string(line) + "$^";
    }
    sender.lines.clear();
    transfer.SendEditFile();
    std::string sent;
    for (const auto& line : sender.lines) {
        if (line != FileTransfer::finishMarker) {
            sent += line.substr(1);
        }
    }
    EXPECT_EQ(sent, expected);
}

// Many FILEBEGIN lines in a row leave the files of the last one only, as if each had been
// written in turn; one with no lines still gives an empty edit file.
TEST_F(FileTransferTest, AFloodOfBeginningsLeavesTheLastDownload) {
    directory.write("TheCode.c", "old text\n");
    for (int file = 0; file < 100; ++file) {
        transfer.BeginReceive("/w/file" + std::to_string(file) + ".c");
    }
    EXPECT_TRUE(transfer.receiving());
    EXPECT_EQ(transfer.remoteName(), "/w/file99.c");
    transfer.onFileEnd();
    EXPECT_EQ(directory.read("TheCode.DAT"), "/w/file99.c\n");
    EXPECT_EQ(directory.read("TheCode.c"), "");
    EXPECT_EQ(host.started.size(), 1u);
    EXPECT_EQ(transfer.titleSuffix(), "");
}

TEST(EncodeEditText, LineBreaksBecomeMarkers) {
    EXPECT_EQ(FileTransfer::EncodeEditText(""), "");
    EXPECT_EQ(FileTransfer::EncodeEditText("a\n"), "@a$^");
    EXPECT_EQ(FileTransfer::EncodeEditText("\r\n"), "@$^$^");
    EXPECT_EQ(FileTransfer::EncodeEditText("tab\there"), "@tab\there");
}

} // namespace
} // namespace vesk
