#include "client/Client.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

#include <filesystem>

namespace vesk {
namespace {

TEST(WindowTitleTest, FollowsTheConnectionThenTheCharacterAndTheTransfer) {
    testing::FakeHost host;
    const auto folder = std::filesystem::temp_directory_path() / "vesk-title-test";
    std::filesystem::create_directories(folder);
    Client client(host, folder);
    EXPECT_EQ(client.title(), "Vesk - Not Connected");
    ASSERT_TRUE(client.ConnectToSite("127.0.0.1", "3000", "FenmarchMUD"));
    EXPECT_EQ(client.title(), "Vesk - Preparing to Connect ..");
    client.onConnecting();
    client.onConnected();
    EXPECT_EQ(client.title(), "Vesk - Connecting to FenmarchMUD");
    client.onReceived("##VESK NAME Tamsin\n");
    EXPECT_EQ(client.title(), "Vesk (Tamsin)");
    client.onReceived("##VESK FILEBEGIN /w/x.c\n");
    EXPECT_EQ(client.title(), "Vesk (Tamsin) (OED: Receiving)");
    client.onReceived("##VESK FILEEND\n");
    client.OnConnectionEnded(false);
    EXPECT_EQ(client.title(), "Vesk - Not Connected");
    std::filesystem::remove_all(folder);
}

} // namespace
} // namespace vesk
