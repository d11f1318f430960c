#include "status/StatusPaintPlan.h"

#include "status/StatusModel.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vesk {
namespace {

using Kind = StatusPaintItem::Kind;

constexpr Rgb green{0, 255, 0};
constexpr Rgb red{255, 0, 0};
constexpr Rgb white{255, 255, 255};
constexpr Rgb grey{128, 128, 128};

class StatusPaintPlanTest : public ::testing::Test {
protected:
    StatusModel model;

    std::vector<StatusPaintItem> plan(StatusPaintPlan::Options options = {}) {
        return StatusPaintPlan(model, options).items();
    }

    static std::vector<StatusPaintItem> ofKind(const std::vector<StatusPaintItem>& items,
                                               Kind kind) {
        std::vector<StatusPaintItem> result;
        std::copy_if(items.begin(), items.end(), std::back_inserter(result),
                     [kind](const StatusPaintItem& item) { return item.kind == kind; });
        return result;
    }

    static const StatusPaintItem* text(const std::vector<StatusPaintItem>& items,
                                       std::string_view wanted, int nth = 0) {
        for (const StatusPaintItem& item : items) {
            if (item.kind == Kind::Text && item.text == wanted && nth-- == 0) {
                return &item;
            }
        }
        return nullptr;
    }

    // The fills that start in a row, left to right.
    static std::vector<StatusPaintItem> fillsAt(const std::vector<StatusPaintItem>& items, int y) {
        std::vector<StatusPaintItem> result;
        for (const StatusPaintItem& item : ofKind(items, Kind::Fill)) {
            if (item.y == y) {
                result.push_back(item);
            }
        }
        return result;
    }

    static StatusPaintItem fill(int x, int y, int width, int height, Rgb colour) {
        StatusPaintItem item;
        item.x = x;
        item.y = y;
        item.width = width;
        item.height = height;
        item.colour = colour;
        return item;
    }
};

TEST_F(StatusPaintPlanTest, EmptyDamageTablePaintsTenGreenLimbsAndAddsThem) {
    const auto limbs = ofKind(plan(), Kind::Limb);
    const BodyPart order[] = {BodyPart::Torso,    BodyPart::LeftArm,   BodyPart::LeftHand,
                              BodyPart::RightArm, BodyPart::RightHand, BodyPart::Head,
                              BodyPart::RightLeg, BodyPart::RightFoot, BodyPart::LeftLeg,
                              BodyPart::LeftFoot};
    ASSERT_EQ(limbs.size(), std::size(order));
    for (std::size_t index = 0; index < limbs.size(); ++index) {
        EXPECT_EQ(limbs[index].part, order[index]);
        EXPECT_EQ(limbs[index].colour, green);
        EXPECT_EQ(limbs[index].x, 20);
        EXPECT_EQ(limbs[index].y, 5);
    }
    EXPECT_EQ(model.limbDamage.size(), 10);
    EXPECT_EQ(model.limbDamage.find("left wing"), -1);
}

TEST_F(StatusPaintPlanTest, LeftWingDamageBringsBothWingsInBothLayouts) {
    model.setLimbDamage("left wing", 50);
    struct Case {
        bool narrow;
        int leftX, rightX;
    };
    for (const Case c : {Case{false, 1, 67}, Case{true, -10, 42}}) {
        const auto limbs = ofKind(plan({.narrow = c.narrow, .scroll = 3}), Kind::Limb);
        ASSERT_EQ(limbs.size(), 12u);
        EXPECT_EQ(limbs[10].part, BodyPart::LeftWing);
        EXPECT_EQ(limbs[10].x, c.leftX);
        EXPECT_EQ(limbs[10].y, 2);
        EXPECT_EQ(limbs[10].colour, (Rgb{255, 255, 0}));
        EXPECT_EQ(limbs[11].part, BodyPart::RightWing);
        EXPECT_EQ(limbs[11].x, c.rightX);
        EXPECT_EQ(limbs[11].colour, green);
    }
    EXPECT_EQ(model.limbDamage.get("right wing"), 0);
}

TEST_F(StatusPaintPlanTest, ArmourViewColoursByClassAndUnarmouredLimbsDarkRed) {
    model.setLimbArmour("head", 1);
    model.setLimbArmour("torso", 5);
    model.setLimbDamage("head", 100);
    const auto limbs = ofKind(plan({.armourView = true}), Kind::Limb);
    for (const StatusPaintItem& limb : limbs) {
        const Rgb expected = limb.part == BodyPart::Head    ? Rgb{200, 0, 200}
                             : limb.part == BodyPart::Torso ? green
                                                            : Rgb{200, 0, 0};
        EXPECT_EQ(limb.colour, expected) << limbName(limb.part);
    }
    EXPECT_EQ(model.limbArmour.size(), 10);
}

TEST_F(StatusPaintPlanTest, WideVitalsHaveLabelsBarsGreyRestAndNumbers) {
    model.applyStatus({150, 100, 0, 0, 50, 100});
    const auto items = plan();
    EXPECT_EQ(text(items, "HP:")->y, 190);
    EXPECT_EQ(text(items, "MP:")->y, 215);
    EXPECT_EQ(text(items, "SP:")->y, 240);
    // More hit points than the maximum: a full green bar and the true number.
    EXPECT_EQ(fillsAt(items, 190), (std::vector{fill(35, 190, 50, 15, green)}));
    EXPECT_EQ(text(items, "150")->x, 90);
    EXPECT_EQ(text(items, "150")->colour, green);
    // Half the magic points: 25 pixels of yellow, a pixel gap, then grey to the bar's end.
    EXPECT_EQ(fillsAt(items, 215),
              (std::vector{fill(35, 215, 25, 15, Rgb{255, 255, 0}), fill(61, 215, 24, 15, grey)}));
    // No maximum: nothing filled, grey from one pixel after the left edge, a red number.
    EXPECT_EQ(fillsAt(items, 240), (std::vector{fill(36, 240, 49, 15, grey)}));
    EXPECT_EQ(text(items, "0")->colour, red);
}

TEST_F(StatusPaintPlanTest, NarrowVitalsAreColouredNumbersWithoutBars) {
    model.applyStatus({100, 100, 5, 10, 0, 10});
    const auto items = plan({.narrow = true});
    EXPECT_EQ(text(items, "HP/MP/SP")->x, 2);
    EXPECT_EQ(text(items, "HP/MP/SP")->y, 150);
    EXPECT_EQ(text(items, "HP:"), nullptr);
    const StatusPaintItem* hp = text(items, "100");
    const StatusPaintItem* mp = text(items, "0");
    const StatusPaintItem* sp = text(items, "5");
    EXPECT_EQ((std::tuple{hp->x, hp->y, hp->colour}), (std::tuple{7, 165, green}));
    EXPECT_EQ((std::tuple{mp->x, mp->y, mp->colour}), (std::tuple{7, 180, red}));
    EXPECT_EQ((std::tuple{sp->x, sp->y, sp->colour}), (std::tuple{7, 195, Rgb{255, 255, 0}}));
    EXPECT_TRUE(ofKind(items, Kind::Fill).empty());
    const auto limbs = ofKind(items, Kind::Limb);
    EXPECT_EQ(limbs.front().x, 5);
}

TEST_F(StatusPaintPlanTest, ExperienceShowsNeededAsDifferenceInRed) {
    model.applyXp({1200, 2000, 300});
    const auto wide = plan({.scroll = 10});
    EXPECT_EQ(text(wide, "XP:")->y, 260);
    EXPECT_EQ(text(wide, "Needed:")->y, 280);
    EXPECT_EQ(text(wide, "Earned:")->y, 300);
    const StatusPaintItem* needed = text(wide, "800");
    EXPECT_EQ((std::tuple{needed->x, needed->y, needed->colour}), (std::tuple{60, 280, red}));
    const auto narrow = plan({.narrow = true});
    EXPECT_EQ(text(narrow, "XP/ND'D/")->y, 220);
    EXPECT_EQ(text(narrow, "EARNED")->y, 235);
    EXPECT_EQ(text(narrow, "1200")->y, 250);
    EXPECT_EQ(text(narrow, "800")->y, 265);
    EXPECT_EQ(text(narrow, "300")->y, 280);
    model.applyXp({-2147483647 - 1, 2147483647, 0});
    EXPECT_NE(text(plan(), "4294967295"), nullptr);
}

TEST_F(StatusPaintPlanTest, HeadersCountTheCombatants) {
    EXPECT_EQ(StatusPaintPlan::combatantHeader("Attacker", 1), "1 Attacker:");
    EXPECT_EQ(StatusPaintPlan::combatantHeader("Attacker", 2), "2 Attackers:");
    EXPECT_EQ(StatusPaintPlan::combatantHeader("Party Member", 3), "3 Party Members:");
    EXPECT_EQ(StatusPaintPlan::combatantListHeight(0, true), 0);
    EXPECT_EQ(StatusPaintPlan::combatantListHeight(2, true), 75);
    EXPECT_EQ(StatusPaintPlan::combatantListHeight(2, false), 115);
}

TEST_F(StatusPaintPlanTest, SmallBarsSitOnTheNameLineAtHalfWidth) {
    model.setCombat({"@big", "orc@", "10", "0", "@rat@", "abc", "0", "@Tam@", "5", "1"});
    const auto items = plan({.smallBars = true});
    const StatusPaintItem* header = text(items, "2 Attackers:");
    EXPECT_EQ((std::tuple{header->x, header->y, header->colour}), (std::tuple{5, 340, white}));
    EXPECT_EQ(text(items, "Big orc")->y, 365);
    EXPECT_EQ(text(items, "Big orc")->colour, red);
    // The name has the room up to a pixel before its bar.
    EXPECT_EQ(text(items, "Big orc")->width, 66);
    EXPECT_EQ(fillsAt(items, 365), (std::vector{fill(72, 365, 67, 15, green)}));
    // A health token that is not a number is an empty bar.
    EXPECT_EQ(text(items, "Rat")->y, 385);
    EXPECT_EQ(fillsAt(items, 385), (std::vector{fill(73, 385, 66, 15, grey)}));
    // The party follows the attackers' 75 pixels.
    EXPECT_EQ(text(items, "1 Party Member:")->y, 415);
    EXPECT_EQ(fillsAt(items, 440),
              (std::vector{fill(72, 440, 33, 15, Rgb{255, 255, 0}), fill(106, 440, 33, 15, grey)}));
}

TEST_F(StatusPaintPlanTest, FullBarsSitBelowTheNameAndPartyCanComeFirst) {
    model.setCombat({"@orc@", "10", "0", "@Tam@", "0", "1"});
    const auto items = plan({.smallBars = false, .partyFirst = true});
    EXPECT_EQ(text(items, "1 Party Member:")->y, 340);
    EXPECT_EQ(text(items, "Tam")->y, 365);
    EXPECT_EQ(text(items, "Tam")->width, 0);
    EXPECT_EQ(fillsAt(items, 385), (std::vector{fill(6, 385, 134, 15, grey)}));
    EXPECT_EQ(text(items, "1 Attacker:")->y, 415);
    EXPECT_EQ(fillsAt(items, 460), (std::vector{fill(5, 460, 135, 15, green)}));
    const auto narrow = plan({.narrow = true, .smallBars = false, .partyFirst = true});
    EXPECT_EQ(text(narrow, "1 Party Member:")->y, 305);
    EXPECT_EQ(fillsAt(narrow, 425), (std::vector{fill(5, 425, 67, 15, green)}));
}

TEST_F(StatusPaintPlanTest, ContentHeightGrowsWithEachSide) {
    struct Case {
        std::vector<std::string_view> combat;
        bool narrow;
        int expected;
    };
    const Case cases[] = {
        {{}, false, 355},
        {{}, true, 305},
        {{"@a@", "5", "0"}, false, 355 + 85},
        {{"@a@", "5", "1", "@b@", "5", "1", "@c@", "5", "1"}, false, 355 + 145},
        {{"@a@", "5", "0", "@b@", "5", "0", "@c@", "5", "1"}, true, 305 + 125 + 65},
    };
    for (const Case& c : cases) {
        model.setCombat(c.combat);
        EXPECT_EQ(StatusPaintPlan::contentHeight(model, c.narrow), c.expected)
            << c.combat.size() << " tokens, narrow " << c.narrow;
    }
}

TEST_F(StatusPaintPlanTest, NarrowPicturesShrinkByAFifthTruncated) {
    EXPECT_EQ(StatusPaintPlan::pictureSize(75, true), 60);
    EXPECT_EQ(StatusPaintPlan::pictureSize(150, true), 120);
    EXPECT_EQ(StatusPaintPlan::pictureSize(47, true), 37);
    EXPECT_EQ(StatusPaintPlan::pictureSize(79, true), 63);
    EXPECT_EQ(StatusPaintPlan::pictureSize(79, false), 79);
}

} // namespace
} // namespace vesk
