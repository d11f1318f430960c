#include "app/WindowTitle.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

TEST(ConnectedTitle, SaysWhereUntilNamedThenNamesTheCharacter) {
    struct Case {
        const char* name;
        ConnectedTitle facts;
        std::string title;
    };
    const auto facts = [](std::string site, std::string other, bool development,
                          std::string character, std::string suffix) {
        return ConnectedTitle{std::move(site), std::move(other), development, std::move(character),
                              std::move(suffix)};
    };
    const Case cases[] = {
        {"game site, not yet named", facts("FenmarchMUD", "", false, "", ""),
         "Vesk - Connected to FenmarchMUD"},
        {"development site, not yet named", facts("FenmarchDevel", "", true, "", ""),
         "Vesk - Connected to FenmarchDevel"},
        {"named", facts("FenmarchMUD", "", false, "Tamsin", ""), "Vesk (Tamsin)"},
        {"named on the development site", facts("FenmarchDevel", "", true, "Quill", ""),
         "DEVEL (Quill)"},
        {"named, receiving a file", facts("FenmarchMUD", "", false, "Quill", " (OED: Receiving)"),
         "Vesk (Quill) (OED: Receiving)"},
        {"another server that never names anyone",
         facts("FenmarchMUD", "mud.example.org:3000", false, "", ""),
         "Vesk - Connected to mud.example.org:3000"},
        {"another server that names the character",
         facts("FenmarchMUD", "mud.example.org:3000", false, "Tamsin", ""),
         "Vesk (Tamsin) - mud.example.org:3000"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(composeConnectedTitle(c.facts), c.title) << c.name;
    }
}

} // namespace
} // namespace vesk
