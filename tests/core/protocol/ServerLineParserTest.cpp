#include "protocol/ServerLineParser.h"
#include "RecordingEvents.h"
#include "protocol/ChallengeCipher.h"

#include <gtest/gtest.h>

namespace vesk::testing {
namespace {

class ServerLineParserTest : public ::testing::Test {
protected:
    ServerLineParserTest() { session.connected = true; }

    int parse(std::string_view line) {
        flag = 0;
        return parser.ParseServerLine(line, flag);
    }

    StatusModel status;
    RecordingSender sender;
    RecordingEvents events;
    SessionState session;
    ServerLineParser parser{status, sender, events, session};
    int flag = 0;
};

TEST_F(ServerLineParserTest, ConversationCategoriesAndResults) {
    struct Case {
        const char* line;
        int result;
        int category;
        int flag;
    };
    const Case cases[] = {
        {"Bob says: hello there", 1, 2, 1},
        {"The old man says: hi", 0, 4, 0},
        {"You say: hi", 1, 2, 1},
        {"Bob shouts: run!", 1, 1, 1},
        {"You shout loudly", 1, 1, 1},
        {"You tell Bob: hi", 1, 0, 1},
        {"You told Bob", 0, 4, 0},
        {"Amy tells you: psst", 1, 0, 1},
        {"<=- Begin Review -=>", 1, 3, 1},
        {"<=-  End Review  -=>", 1, 3, 1},
        {"[Gossip] Bob: hi", 1, 3, 0},
        {"%[Mage] Bob: hi", 1, 3, 0},
        {"[gossip] Bob: hi", 0, 4, 0},
        {"[Cre@FenmarchMUD] Zed: yo", 1, 3, 0},
        {"## word", 0, 4, 0},
    };
    for (const auto& c : cases) {
        events.logged.clear();
        EXPECT_EQ(parse(c.line), c.result) << c.line;
        ASSERT_EQ(events.logged.size(), 1u) << c.line;
        EXPECT_EQ(events.logged[0].second, c.category) << c.line;
        EXPECT_EQ(flag, c.flag) << c.line;
    }
}

TEST_F(ServerLineParserTest, PromptsFeedTheStatusModel) {
    EXPECT_EQ(parse("hp: 50    sp: 20    mp: 10    head: 30"), 0);
    EXPECT_EQ(status.hp, 50);
    EXPECT_EQ(status.mp, 10);
    EXPECT_EQ(status.limbDamage.get("head"), 30);
    EXPECT_EQ(flag, 1);

    parse("hp: 40    sp: 20    mp: 10    left arm: 15");
    EXPECT_EQ(status.limbDamage.get("left arm"), 15);

    parse("hp: 30    sp: 20    mp: 10    no colon");
    EXPECT_EQ(status.hp, 30);
    EXPECT_EQ(status.limbDamage.find("no colon"), -1);

    parse("HP: 1/2 | SP: 3/4 | MP: 5/6");
    EXPECT_EQ(status.mpMax, 6);
    EXPECT_EQ(events.logged.back().first, "HP: 1/2 | SP: 3/4 | MP: 5/6");

    parse("You gain 25 experience.");
    EXPECT_EQ(status.xp, 25);
    EXPECT_EQ(status.xpEarned, 25);
}

// The experience line is a pattern like the others: a blank in it matches any run of blanks or
// tabs, also none.
TEST_F(ServerLineParserTest, ExperienceLineFollowsThePatternRule) {
    const std::pair<const char*, std::int32_t> cases[] = {
        {"You gain 5 experience.", 5},    {"You  gain 5 experience.", 5},
        {"You\tgain\t5 experience.", 5},  {"Yougain 5 experience.", 5},
        {"You gain -3 experience.", -3},  {"You gain 5 experience points.", 5},
        {"You gain five experience.", 0}, {"You gained 5 experience.", 0},
        {"you gain 5 experience.", 0},
    };
    for (const auto& [line, amount] : cases) {
        status.xp = 0;
        parse(line);
        EXPECT_EQ(status.xp, amount) << line;
        EXPECT_EQ(flag, amount != 0 ? 1 : 0) << line;
    }
}

TEST_F(ServerLineParserTest, LoginStateLinesAskForTheControlChannelOncePerLogin) {
    events.skillsShown = true;
    parse("Reconnected.");
    EXPECT_EQ(sender.lines, (std::vector<std::string>{"vesk init 2.04", "vesk skills"}));
    EXPECT_EQ(flag, 1);
    parse("##VESK NAME Tamsin");
    EXPECT_TRUE(session.loggedIn);
    sender.lines.clear();
    parse("Allowing login.");
    parse("        >>> Terminal currently set to ansi <<<");
    EXPECT_TRUE(sender.lines.empty());
}

TEST_F(ServerLineParserTest, LoginStateLineWhileNotConnectedSendsNothing) {
    session.connected = false;
    EXPECT_EQ(parse("Allowing login."), 0);
    EXPECT_TRUE(sender.lines.empty());
    EXPECT_EQ(flag, 0);
}

TEST_F(ServerLineParserTest, NamePromptIsAnsweredOnlyBeforeLogin) {
    events.nameAnswer = {true, "Tamsin\n"};
    EXPECT_EQ(parse("What name would you like to use? "), 0);
    EXPECT_EQ(parser.lineSuffix(), "Tamsin\n");
    EXPECT_TRUE(events.logged.empty());

    events.nameAnswer = {false, ""};
    parse("What name would you like to use? ");
    EXPECT_EQ(events.logged.size(), 1u);

    session.loggedIn = true;
    parse("What name would you like to use? ");
    parse("Password: ");
    EXPECT_EQ(events.namePrompts, 2);
    EXPECT_EQ(events.passwordPrompts, 0);
}

TEST_F(ServerLineParserTest, ControlLinesAreConsumedEvenWhenUnknownOrEmpty) {
    EXPECT_EQ(parse("##VESK"), 2);
    EXPECT_EQ(parse("##VESK FROB 12"), 2);
    EXPECT_EQ(parse("##VESK status 1 2"), 2);
    EXPECT_EQ(status.hp, 0);
    EXPECT_EQ(parse("##VESKX STATUS 1"), 2);
    EXPECT_EQ(status.hp, 0);
    EXPECT_TRUE(events.logged.empty());
}

TEST_F(ServerLineParserTest, ControlMessagesReachTheirOwners) {
    const std::pair<const char*, const char*> cases[] = {
        {"##VESK INIT", "init"},
        {"##VESK CLASS Mage", "class Mage"},
        {"##VESK SKILL fire 1234 56", "skill fire 1234 56"},
        {"##VESK LOGON Bob 12 the brave one extra", "logon Bob,12,the,brave,one"},
        {"##VESK LOGON Amy", "logon Amy"},
        {"##VESK LOGOFF Bob", "logoff Bob"},
        {"##VESK NEWS Server restart", "news Server,restart"},
        {"##VESK HELPCONTENTS alpha beta", "contents alpha,beta"},
        {"##VESK SENDLINE 7", "sendline 7"},
        {"##VESK SENDLINE done", "sendline -1"},
        {"##VESK SENDFILENAME", "sendfilename"},
        {"##VESK SENDFILE", "sendfile"},
        {"##VESK DIRTREE /w /w/a /w/b", "dirtree /w,/w/a,/w/b"},
        {"##VESK DIRFILES /w x.c", "dirfiles /w,x.c"},
    };
    for (const auto& [line, call] : cases) {
        events.calls.clear();
        EXPECT_EQ(parse(line), 2) << line;
        EXPECT_EQ(events.calls, std::vector<std::string>{call}) << line;
    }
}

TEST_F(ServerLineParserTest, MessagesForMissingWindowsAreConsumedWithoutEffect) {
    events.windowsExist = false;
    for (const char* line : {"##VESK CLASS Mage", "##VESK SKILL a 1 2", "##VESK LOGON Bob 1",
                             "##VESK LOGOFF Bob", "##VESK HELPCONTENTS a", "##VESK DIRTREE /w"}) {
        EXPECT_EQ(parse(line), 2) << line;
    }
    EXPECT_TRUE(events.calls.empty());
    parse("##VESK HELPBEGIN");
    EXPECT_EQ(parser.captureMode(), CaptureMode::HelpText);
    parse("##VESK HELPEND");
    EXPECT_EQ(parser.captureMode(), CaptureMode::None);
}

TEST_F(ServerLineParserTest, LimbMessagesReadQuotedNames) {
    parse("##VESK LIMB 'left arm' 40");
    EXPECT_EQ(status.limbDamage.get("left arm"), 40);
    parse("##VESK LIMB 'head'");
    EXPECT_EQ(status.limbDamage.find("head"), -1);
    parse("##VESK LIMB head 40");
    EXPECT_EQ(status.limbDamage.find("head 40"), -1);
    parse("##VESK LIMBS 'head' 0 'torso' 5 'tail'");
    EXPECT_EQ(status.limbDamage.get("torso"), 5);
    EXPECT_EQ(status.limbArmour.get("head"), 0);
    EXPECT_EQ(status.limbDamage.find("tail"), -1);
    parse("##VESK AC 'right wing' 4");
    EXPECT_EQ(status.limbArmour.get("right wing"), 4);
    parse("##VESK NAME Tamsin");
    EXPECT_EQ(status.limbDamage.size(), 0);
    EXPECT_EQ(status.limbArmour.get("right wing"), 4);
    EXPECT_EQ(events.calls, (std::vector<std::string>{"profile Tamsin", "log Tamsin"}));
}

TEST_F(ServerLineParserTest, ChallengeIsAnsweredWithTheDecipheredPair) {
    const ChallengePair secret{4242, -17};
    const ChallengePair challenge = encipherChallenge(secret);
    parse("##VESK MSG " + std::to_string(challenge.first) + " " + std::to_string(challenge.second));
    EXPECT_EQ(sender.lines, std::vector<std::string>{"\nvesk reply 4242 -17"});
    sender.lines.clear();
    parse("##VESK MSG 5");
    EXPECT_TRUE(sender.lines.empty());
}

TEST_F(ServerLineParserTest, FileCaptureHandsContentOnAndEndsOnItsControlLine) {
    parse("##VESK FILEBEGIN obj/sword.c");
    parse("##VESK FILECONTINUE\n");
    EXPECT_EQ(parse("int x;\n"), 2);
    EXPECT_EQ(parse("\n"), 2);
    EXPECT_EQ(parse("hp: 5    sp: 6    mp: 7    head: 9\n"), 2);
    EXPECT_EQ(status.limbDamage.get("head"), 9);
    EXPECT_EQ(parse("\n##VESK FILEEND\n"), 2);
    EXPECT_EQ(parser.captureMode(), CaptureMode::None);
    EXPECT_EQ(events.calls,
              (std::vector<std::string>{"filebegin obj/sword.c", "file int x;\n", "file \n",
                                        "file hp: 5    sp: 6    mp: 7    head: 9\n", "fileend"}));
    EXPECT_EQ(parse("say ##VESK STATUS"), 2);
}

} // namespace
} // namespace vesk::testing
