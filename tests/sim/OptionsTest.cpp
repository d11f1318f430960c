// vesk-sim's command line.
#include "SimProcess.h"
#include "server/SimOptionsParser.h"

#include <gtest/gtest.h>

namespace vesk::sim {
namespace {

QStringList commandLine(std::initializer_list<const char*> arguments) {
    QStringList list{QStringLiteral("vesk-sim")};
    for (const auto* argument : arguments) {
        list << QString::fromLatin1(argument);
    }
    return list;
}

TEST(SimOptionsTest, DefaultsAreTheGameServersPortsOnLoopback) {
    const auto result = SimOptionsParser::parse(commandLine({}));
    ASSERT_TRUE(result.options);
    EXPECT_EQ(result.options->host, QStringLiteral("127.0.0.1"));
    EXPECT_EQ(result.options->gamePort, 3000);
    EXPECT_EQ(result.options->whoPort, 3005);
    EXPECT_EQ(result.options->develPort, 3333);
    EXPECT_EQ(result.options->fragmentProbability, 0.0);
}

TEST(SimOptionsTest, ReadsValuesAndRefusesOutOfRangeOnes) {
    const auto good = SimOptionsParser::parse(
        commandLine({"--game-port", "0", "--fragment", "0.25", "--seed", "9", "--repeat", "3"}));
    ASSERT_TRUE(good.options);
    EXPECT_EQ(good.options->gamePort, 0);
    EXPECT_EQ(good.options->fragmentProbability, 0.25);
    EXPECT_EQ(good.options->seed, 9u);
    EXPECT_EQ(good.options->floodRepeat, 3);

    const std::initializer_list<const char*> refused[] = {
        {"--game-port", "70000"}, {"--fragment", "1.5"}, {"--fragment", "often"},
        {"--repeat", "0"},        {"--round-ms", "1"},   {"--no-such-option"},
    };
    for (const auto& arguments : refused) {
        const auto result = SimOptionsParser::parse(commandLine(arguments));
        EXPECT_FALSE(result.options) << *arguments.begin();
        EXPECT_EQ(result.exitCode, 2) << *arguments.begin();
    }
}

TEST(SimOptionsTest, HelpListsTheDemoCharactersAndThePortLines) {
    test::SimProcess sim({"--help"});
    EXPECT_EQ(sim.waitForExit(), 0);
    for (const auto* text :
         {"Tamsin / tamsin", "Quill / quill", "coder", "vesk-sim: game port N"}) {
        EXPECT_NE(sim.output().find(text), std::string::npos) << text;
    }
}

} // namespace
} // namespace vesk::sim
