#include "status/SkillsPaintPlan.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

constexpr Rgb textColour{200, 200, 200};
constexpr Rgb green{0, 255, 0};
constexpr Rgb red{255, 0, 0};

// Six pixels a character, like a small fixed-pitch font.
int fixedWidth(std::string_view text) {
    return 6 * static_cast<int>(text.size());
}

struct Placed {
    int x, y;
    std::string text;
    Rgb colour;
    bool operator==(const Placed&) const = default;
};

std::vector<Placed> placed(const SkillsPaintPlan& plan) {
    std::vector<Placed> result;
    for (const StatusPaintItem& item : plan.items()) {
        result.push_back({item.x, item.y, item.text, item.colour});
    }
    return result;
}

TEST(SkillsPaintPlanTest, RowsLineUpAfterTheWidestNameAndColumnsFollowWithAGap) {
    testing::FakeHost host;
    SkillsModel skills(host);
    skills.setClass("rogue");
    skills.setSkill("axe", "5", "50");
    skills.setSkill("largesword", "1234", "101");
    const SkillsPaintPlan plan(skills.columnsText(), 16, textColour, fixedWidth);
    const auto items = placed(plan);
    // "Sm.Sword" and "Lg.Sword" are the widest names: 48 pixels, so values start at 63.
    const std::vector<Placed> firstRows = {
        {10, 10, "Weapons", green}, {10, 42, "Axe", textColour}, {63, 42, ": ", textColour},
        {75, 42, "  5 ", red},      {99, 42, "( 50%)", green},   {10, 58, "Lg.Sword", textColour},
        {63, 58, ": ", textColour}, {75, 58, "123 ", red},       {99, 58, "(MAX!)", green},
    };
    ASSERT_GE(items.size(), firstRows.size());
    EXPECT_EQ(std::vector(items.begin(), items.begin() + 9), firstRows);
    // Every row of the first column ends at 135; the second column starts 10 further on.
    const auto deception = std::find_if(
        items.begin(), items.end(), [](const Placed& item) { return item.text == "Deception"; });
    ASSERT_NE(deception, items.end());
    EXPECT_EQ(deception->x, 145);
    EXPECT_EQ(deception->y, 10);
    EXPECT_EQ(items.back().text, "(  0%)");
    EXPECT_EQ(plan.right(), items.back().x + 36);
}

TEST(SkillsPaintPlanTest, ACaptionWiderThanItsRowsKeepsTheNextColumnClear) {
    const std::vector<SkillsModel::ColumnText> columns = {
        {"A very long caption", {{"Axe", "  1 ", "(  1%)"}}},
        {"Next", {}},
    };
    const SkillsPaintPlan plan(columns, 10, textColour, fixedWidth);
    EXPECT_EQ(plan.items().back().text, "Next");
    EXPECT_EQ(plan.items().back().x, 10 + 6 * 19 + 10);
}

TEST(SkillsPaintPlanTest, AnyOtherClassGetsTheGeneralLayout) {
    testing::FakeHost host;
    SkillsModel skills(host);
    skills.setClass("Cleric");
    const SkillsPaintPlan plan(skills.columnsText(), 16, textColour, fixedWidth);
    EXPECT_EQ(plan.items().front().text, "Combat");
}

} // namespace
} // namespace vesk
