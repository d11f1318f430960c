#include "status/StatusModel.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

std::vector<std::string_view> words(std::initializer_list<std::string_view> list) {
    return list;
}

class StatusModelTest : public ::testing::Test {
protected:
    int repaints = 0;
    StatusModel model{[this] { ++repaints; }};
};

TEST_F(StatusModelTest, StatusAssignsInOrderAndKeepsMissingFieldsWithoutRepaint) {
    model.applyStatus({1, 2, 3, 4, 5, 6});
    model.applyStatus({10, 20});
    EXPECT_EQ(model.hp, 10);
    EXPECT_EQ(model.hpMax, 20);
    EXPECT_EQ(model.sp, 3);
    model.applyStatus({1, 1, 1, 1, 1, 1, 7, 8});
    EXPECT_EQ(model.mpMax, 1);
    EXPECT_EQ(repaints, 0);
    model.applyXp({100, 200});
    EXPECT_EQ(model.xpNextLevel, 200);
    EXPECT_EQ(repaints, 1);
}

TEST_F(StatusModelTest, LimbsResetArmourAndNameClearsDamageOnly) {
    model.setLimbArmour("head", 3);
    model.defineLimbs({{"head", 0}, {"torso", 5}});
    EXPECT_EQ(model.limbDamage.get("torso"), 5);
    EXPECT_EQ(model.limbArmour.get("head"), 0);
    EXPECT_EQ(model.limbArmour.get("torso"), 0);
    model.setLimbArmour("torso", 4);
    model.setCharacterName("Tamsin");
    EXPECT_EQ(model.limbDamage.size(), 0);
    EXPECT_EQ(model.limbArmour.get("torso"), 4);
    EXPECT_EQ(model.characterName(), "Tamsin");
}

TEST_F(StatusModelTest, ReadingAnAbsentLimbAddsIt) {
    EXPECT_EQ(model.limbDamage.get("head"), 0);
    ASSERT_EQ(model.limbDamage.size(), 1);
    EXPECT_EQ(model.limbDamage.entries()[0].name, "head");
}

TEST_F(StatusModelTest, CombatEntries) {
    struct Case {
        const char* name;
        std::vector<std::string_view> tokens;
        std::vector<CombatantList::Combatant> attackers;
        std::vector<CombatantList::Combatant> party;
    };
    const Case cases[] = {
        {"two sides",
         words({"@big", "orc@", "7", "0", "@Tam@", "10", "1"}),
         {{"Big orc", "7"}},
         {{"Tam", "10"}}},
        {"no flag goes to the attackers", words({"@rat@", "3"}), {{"Rat", "3"}}, {}},
        {"no health adds nothing", words({"@rat@"}), {}, {}},
        {"tokens before the first entry are skipped",
         words({"junk", "@Tam@", "9", "1"}),
         {},
         {{"Tam", "9"}}},
        {"unfinished name is dropped", words({"@big", "orc"}), {}, {}},
        {"lone at sign is an empty name", words({"@", "5", "2"}), {{"", "5"}}, {}},
        {"no entries", {}, {}, {}},
    };
    for (const auto& c : cases) {
        model.attackers.append("old", "1");
        model.setCombat(c.tokens);
        EXPECT_EQ(model.attackers.entries(), c.attackers) << c.name;
        EXPECT_EQ(model.partyMembers.entries(), c.party) << c.name;
    }
}

TEST_F(StatusModelTest, PromptLimbNeedsAColon) {
    model.setPromptLimb(50, 20, 10, "left arm: 30");
    EXPECT_EQ(model.limbDamage.get("left arm"), 30);
    model.setPromptLimb(40, 20, 10, "no colon here");
    EXPECT_EQ(model.hp, 40);
    EXPECT_EQ(model.limbDamage.size(), 1);
}

// A server naming a new limb in every message fills the table only up to its bound; the limbs
// already there keep their order and still take new values.
TEST_F(StatusModelTest, LimbTablesStopGrowingAtTheirBound) {
    for (int limb = 0; limb < 1000; ++limb) {
        const std::string name = "limb" + std::to_string(limb);
        model.setLimbDamage(name, limb);
        model.setLimbArmour(name, limb);
        model.setPromptLimb(1, 2, 3, "other" + std::to_string(limb) + ": 5");
    }
    EXPECT_EQ(model.limbDamage.size(), static_cast<int>(StatusModel::limbLimit));
    EXPECT_EQ(model.limbArmour.size(), static_cast<int>(StatusModel::limbLimit));
    EXPECT_EQ(model.limbDamage.entries().front().name, "limb0");
    EXPECT_EQ(model.limbDamage.find("limb31"), 62);
    EXPECT_EQ(model.limbDamage.find("limb500"), -1);
    model.setLimbDamage("limb31", 77);
    EXPECT_EQ(model.limbDamage.entries()[62].value, 77);
    EXPECT_EQ(model.limbDamage.get("never seen"), 0);
    EXPECT_EQ(model.limbDamage.size(), static_cast<int>(StatusModel::limbLimit));
    model.setCharacterName("Tamsin");
    model.setLimbDamage("head", 4);
    EXPECT_EQ(model.limbDamage.find("head"), 0);
}

} // namespace
} // namespace vesk
