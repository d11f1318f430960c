#include "status/SkillsModel.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using testing::FakeHost;

std::vector<std::string> captions(const SkillLayout& layout) {
    std::vector<std::string> result;
    for (const SkillColumn& column : layout.columns) {
        result.emplace_back(column.caption);
    }
    return result;
}

std::vector<std::size_t> rowCounts(const SkillLayout& layout) {
    std::vector<std::size_t> result;
    for (const SkillColumn& column : layout.columns) {
        result.push_back(column.rows.size());
    }
    return result;
}

TEST(SkillLayouts, TheClassChoosesItsLayoutExactly) {
    struct Case {
        const char* className;
        std::vector<std::string> captions;
        std::vector<std::size_t> rows;
        SkillRow spelling; // a row whose display name or key differs between layouts
        std::size_t column;
        std::size_t row;
    };
    const Case cases[] = {
        {"cleric",
         {"Combat & Weapons", "Weapons/General", "Magic Skills"},
         {8, 8, 8},
         {"Sm. Sword", "smallsword"},
         1,
         5},
        {"rogue",
         {"Weapons", "Deception", "Other"},
         {9, 6, 4},
         {"DBL Wielding", "doublewielding"},
         2,
         3},
        {"mage", {"Weapons", "Magic", "Other"}, {8, 6, 7}, {"Sm.Sword", "smallsword"}, 0, 5},
        {"monk", {"Weapons", "Combat", "Other"}, {9, 9, 9}, {"Two Handed", "twohanded"}, 2, 2},
        {"warrior",
         {"Combat", "Weapons", "Other"},
         {10, 10, 3},
         {"Two-Handed", "two-handed"},
         0,
         7},
        {"", {"Combat", "Weapons", "Other"}, {10, 10, 3}, {"Lg. Sword", "largesword"}, 1, 1},
        {"Cleric", {"Combat", "Weapons", "Other"}, {10, 10, 3}, {"Tactics", "tactics"}, 0, 9},
    };
    for (const Case& c : cases) {
        const SkillLayout& layout = skillLayoutFor(c.className);
        EXPECT_EQ(captions(layout), c.captions) << c.className;
        EXPECT_EQ(rowCounts(layout), c.rows) << c.className;
        const SkillRow& row = layout.columns[c.column].rows[c.row];
        EXPECT_EQ(row.displayName, c.spelling.displayName) << c.className;
        EXPECT_EQ(row.key, c.spelling.key) << c.className;
    }
}

class SkillsModelTest : public ::testing::Test {
protected:
    FakeHost host;
    SkillsModel skills{host};

    // The text of the cleric's first row, "Melee".
    SkillsModel::RowText meleeRow() { return skills.columnsText()[0].rows[0]; }
};

TEST_F(SkillsModelTest, NumbersAreCutToThreeCharactersAndMaximumIsMarked) {
    skills.setClass("cleric");
    struct Case {
        const char* level;
        const char* percent;
        std::string levelText;
        std::string percentText;
    };
    const Case cases[] = {
        {"5", "50", "  5 ", "( 50%)"},    {"1234", "100", "123 ", "(100%)"},
        {"12", "101", " 12 ", "(MAX!)"},  {"12", "-1", " 12 ", "(MAX!)"},
        {"12", "1000", " 12 ", "(100%)"}, {"x", "abc", "  0 ", "(  0%)"},
        {"-12", "0", "-12 ", "(  0%)"},   {"+7", "99", "  7 ", "( 99%)"},
    };
    for (const Case& c : cases) {
        skills.setSkill("melee", c.level, c.percent);
        const SkillsModel::RowText row = meleeRow();
        EXPECT_EQ(row.displayName, "Melee");
        EXPECT_EQ(row.level, c.levelText) << c.level;
        EXPECT_EQ(row.percent, c.percentText) << c.percent;
    }
    EXPECT_EQ(host.countChanges(Change::Skills), static_cast<int>(std::size(cases)));
}

TEST_F(SkillsModelTest, UnreceivedSkillsShowZeroAndEnterBothTables) {
    EXPECT_EQ(skills.className(), "");
    const auto columns = skills.columnsText();
    ASSERT_EQ(columns.size(), 3u);
    EXPECT_EQ(columns[0].caption, "Combat");
    EXPECT_EQ(columns[0].rows[0], (SkillsModel::RowText{"Attack", "  0 ", "(  0%)"}));
    EXPECT_EQ(skills.levels().size(), 23);
    EXPECT_EQ(skills.percents().size(), 23);
    EXPECT_EQ(skills.levels().entries()[0].name, "attack");
}

TEST_F(SkillsModelTest, ClassIsStoredWithoutRepaintAndKeysOutsideTheLayoutStayHidden) {
    skills.setClass(std::string(40, 'k'));
    EXPECT_EQ(skills.className(), std::string(31, 'k'));
    skills.setClass("rogue");
    EXPECT_EQ(host.countChanges(Change::Skills), 0);
    skills.setSkill("faith", "50", "50");
    const int faith = skills.levels().find("faith");
    ASSERT_GE(faith, 0);
    EXPECT_EQ(skills.levels().entries()[static_cast<std::size_t>(faith)].value, 50);
    for (const auto& column : skills.columnsText()) {
        for (const auto& row : column.rows) {
            EXPECT_EQ(row.level, "  0 ") << row.displayName;
        }
    }
}

TEST(SkillsModel, SkillKeysStopAtTheirBound) {
    FakeHost host;
    SkillsModel model(host);
    for (int key = 0; key < 1000; ++key) {
        model.setSkill("key" + std::to_string(key), "5", "50");
    }
    EXPECT_EQ(model.levels().size(), static_cast<int>(SkillsModel::skillLimit));
    EXPECT_EQ(model.percents().size(), static_cast<int>(SkillsModel::skillLimit));
    model.setSkill("key7", "9", "90");
    EXPECT_EQ(model.levels().entries()[7].value, 9);
    EXPECT_FALSE(model.columnsText().empty());
}

} // namespace
} // namespace vesk
