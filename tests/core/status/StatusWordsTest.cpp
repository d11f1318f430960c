#include "status/StatusWords.h"
#include "status/StatusModel.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace vesk {
namespace {

StatusModel withVitals() {
    StatusModel status;
    status.hp = 139;
    status.hpMax = 160;
    status.sp = 80;
    status.spMax = 90;
    status.mp = 20;
    status.mpMax = 50;
    return status;
}

TEST(StatusWordsTest, SaysTheVitalsAndEachFightersHealth) {
    struct Case {
        const char* name;
        std::vector<std::pair<std::string, std::string>> attackers;
        std::vector<std::pair<std::string, std::string>> party;
        std::string expected;
    };
    const std::string vitals = "HP 139 of 160, SP 80 of 90, MP 20 of 50, ";
    const Case cases[] = {
        {"no fight", {}, {}, vitals + "no attackers"},
        {"two attackers",
         {{"Big orc", "4"}, {"Orc whelp", "10"}},
         {},
         vitals + "2 attackers: Big orc 40%, Orc whelp 100%"},
        {"one of each, health out of range",
         {{"Rat", "x"}},
         {{"Bob", "12"}},
         vitals + "1 attacker: Rat 0%, 1 party member: Bob 100%"},
    };
    for (const Case& test : cases) {
        StatusModel status = withVitals();
        for (const auto& [name, health] : test.attackers) {
            status.attackers.append(name, health);
        }
        for (const auto& [name, health] : test.party) {
            status.partyMembers.append(name, health);
        }
        EXPECT_EQ(describeStatus(status), test.expected) << test.name;
    }
}

} // namespace
} // namespace vesk
