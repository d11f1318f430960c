// The client's upload batches after SENDFILE, decoded into the file's lines.
#include "wire/UploadReceiver.h"

#include <gtest/gtest.h>

namespace vesk::sim {
namespace {

TEST(UploadReceiverTest, DecodesClientBatchesAndFinishes) {
    UploadReceiver receiver;
    EXPECT_EQ(receiver.takeLine("@int x;$^$^int y;$^"), UploadReceiver::Outcome::Batch);
    EXPECT_EQ(receiver.linesReceived(), 3);
    const std::string longLine(300, 'q');
    EXPECT_EQ(receiver.takeLine("@" + longLine + "$^"), UploadReceiver::Outcome::Batch);
    // A last line without a line end still counts.
    EXPECT_EQ(receiver.takeLine("@tail"), UploadReceiver::Outcome::Batch);
    EXPECT_EQ(receiver.takeLine("look"), UploadReceiver::Outcome::NotABatch);
    EXPECT_EQ(receiver.takeLine("@##VESK_FINISHFILE"), UploadReceiver::Outcome::Finished);
    const std::vector<std::string> expected = {"int x;", "", "int y;", longLine, "tail"};
    EXPECT_EQ(receiver.lines(), expected);
}

} // namespace
} // namespace vesk::sim
