#include "remote/ExternalProgram.h"

#include "FakeHost.h"
#include "RecordingSender.h"
#include "ScratchFolder.h"
#include "remote/FileTransfer.h"
#include "remote/HelpBrowserModel.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using testing::FakeHost;
using testing::RecordingSender;
using testing::ScratchFolder;

constexpr ExternalProgram::Texts texts{"\"%s\" failed; pick another", "none set; pick one"};

// A program that cannot be started is named in a box (before, only a trace on stderr told of
// it). A server that makes the same program fail again and again raises one box for it; the
// player's own command raises one every time.
TEST(ExternalProgram, AFailedStartIsShownOncePerProgramForTheServerAndAlwaysForThePlayer) {
    using Origin = ExternalProgram::Origin;
    struct Step {
        std::string program;
        Origin origin;
        const char* box; // nullptr: no new box
    };
    const Step steps[] = {
        {"/bin/nowhere", Origin::Server, "\"/bin/nowhere\" failed; pick another"},
        {"/bin/nowhere", Origin::Server, nullptr},
        {"/bin/nowhere", Origin::Player, "\"/bin/nowhere\" failed; pick another"},
        {"/bin/nowhere", Origin::Player, "\"/bin/nowhere\" failed; pick another"},
        {"/bin/%s elsewhere", Origin::Server, "\"/bin/%s elsewhere\" failed; pick another"},
        {"", Origin::Server, "none set; pick one"},
        {"", Origin::Server, nullptr},
    };
    FakeHost host;
    host.processesStart = false;
    ExternalProgram program(host, texts);
    std::vector<std::string> expected;
    for (const Step& step : steps) {
        EXPECT_FALSE(program.start(step.program, "/tmp/file", step.origin));
        if (step.box) {
            expected.emplace_back(step.box);
        }
        EXPECT_EQ(host.warnings, expected) << step.program;
    }
    EXPECT_EQ(host.traces.size(), std::size(steps));
}

TEST(ExternalProgram, AStartedProgramGetsTheFileAsItsOneArgumentAndNoBox) {
    FakeHost host;
    ExternalProgram program(host, texts);
    EXPECT_TRUE(program.start("/opt/my editor", "/tmp/a file", ExternalProgram::Origin::Server));
    EXPECT_EQ(host.started,
              (std::vector<FakeHost::StartedProcess>{{"/opt/my editor", {"/tmp/a file"}}}));
    EXPECT_TRUE(host.warnings.empty());
}

TEST(ExternalProgram, TheEditorAndTheHelpViewerSayWhereToChooseAnother) {
    FakeHost host;
    host.processesStart = false;
    RecordingSender sender;
    ScratchFolder directory;
    FileTransfer transfer(host, sender, directory.path(),
                          {[] { return std::string("/opt/gone/editor"); }, [] { return false; },
                           [] { return true; }});
    transfer.RunEditor();
    HelpBrowserModel help(host, sender, directory.path(),
                          {[] { return std::string("/opt/gone/viewer"); }, [] { return true; }});
    help.beginText();
    help.endText();
    ASSERT_EQ(host.warnings.size(), 2u);
    EXPECT_EQ(host.warnings[0],
              "The editor \"/opt/gone/editor\" could not be started.\n\nChoose another editor "
              "under Coding > Preferences (Vesk Code Editing Preferences).");
    EXPECT_EQ(host.warnings[1],
              "The help viewer \"/opt/gone/viewer\" could not be started.\n\nChoose another on "
              "the Help page of Edit > Options (Editor used to display FenmarchMUD help files).");
}

} // namespace
} // namespace vesk
