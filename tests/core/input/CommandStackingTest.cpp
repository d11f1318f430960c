#include "input/CommandStacking.h"
#include "settings/Settings.h"

#include <gtest/gtest.h>

#include <optional>

namespace vesk {
namespace {

// Every reader of the two settings goes through one rule: any stored value but 0 is on.
TEST(CommandStacking, StoredValuesMeanTheSameEverywhere) {
    struct Case {
        std::int32_t stacking;
        const char* separator;
        bool on;
        std::optional<char> expected;
    };
    const Case cases[] = {
        {0, "&", false, std::nullopt}, {1, "&", true, '&'},         {2, "&", true, '&'},
        {-1, ";", true, ';'},          {1, "", true, std::nullopt},
    };
    for (const auto& [stacking, separator, on, expected] : cases) {
        Settings settings;
        settings.setNumber(setting::useCommandStacking, stacking);
        settings.setText(setting::stackCharacter, separator);
        EXPECT_EQ(CommandStacking::isOn(settings), on) << stacking;
        EXPECT_EQ(CommandStacking::separator(settings), expected) << stacking << separator;
    }
}

} // namespace
} // namespace vesk
