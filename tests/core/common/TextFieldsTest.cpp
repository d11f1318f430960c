#include "common/TextFields.h"

#include <gtest/gtest.h>

#include <string>

namespace vesk {
namespace {

struct CutCase {
    const char* name;
    std::string text;
    std::size_t width;
    std::string kept;
};

// Field widths count characters: a cut by bytes split a UTF-8 letter in two, and a name of
// accented letters lost half of itself at the next save.
TEST(TextFieldsTest, CutsToWholeCharacters) {
    std::string thirtyOneAccents;
    for (int letter = 0; letter < 31; ++letter) {
        thirtyOneAccents += "\xc3\xa9";
    }
    const CutCase cases[] = {
        {"short ascii", "Tamsin", 31, "Tamsin"},
        {"long ascii", std::string(40, 'a'), 31, std::string(31, 'a')},
        {"utf8 within the width", thirtyOneAccents, 31, thirtyOneAccents},
        {"utf8 cut between characters", "caf\xc3\xa9s", 4, "caf\xc3\xa9"},
        {"four-byte characters", "\xf0\x9f\x98\x80\xf0\x9f\x98\x80\xf0\x9f\x98\x80", 2,
         "\xf0\x9f\x98\x80\xf0\x9f\x98\x80"},
        {"latin1 bytes are characters", "caf\xe9s", 4, "caf\xe9"},
    };
    for (const CutCase& test : cases) {
        SCOPED_TRACE(test.name);
        EXPECT_EQ(cutToWidth(test.text, test.width), test.kept);
    }
}

} // namespace
} // namespace vesk

namespace vesk {
namespace {

TEST(TextFieldsTest, NamesCompareByTheirCharacters) {
    EXPECT_TRUE(sameName("Bob", "bOB"));
    EXPECT_TRUE(sameName("Ren\xc3\xa9"
                         "e",
                         "ren\xe9"
                         "e"))
        << "typed UTF-8 against Latin-1";
    EXPECT_TRUE(sameName("Ren\xe9"
                         "e",
                         "Ren\xe9"
                         "e"));
    EXPECT_FALSE(sameName("Ren\xc3\xa9"
                          "e",
                          "Renee"));
    EXPECT_FALSE(sameName("Bob", "Bobby"));
}

} // namespace
} // namespace vesk
