#include "protocol/NewsText.h"

#include "FakeHost.h"

#include <gtest/gtest.h>

namespace vesk {
namespace {

using testing::FakeHost;

TEST(NewsText, MessagesAddLinesAndClearEmptiesTheText) {
    struct Case {
        const char* name;
        std::vector<std::vector<std::string_view>> messages;
        std::string text;
    };
    const Case cases[] = {
        {"first message", {{"Server", "restart"}}, "Server restart "},
        {"second message on a new line",
         {{"Server", "restart"}, {"Back", "up"}},
         "Server restart \r\nBack up "},
        {"clear first leaves it empty", {{"CLEAR"}}, ""},
        {"clear empties the text", {{"Server", "restart"}, {"CLEAR"}}, ""},
        {"news after a clear starts afresh",
         {{"Old", "news"}, {"CLEAR"}, {"New", "news"}},
         "New news "},
        {"clear is case-sensitive", {{"clear", "now"}}, "clear now "},
        {"clear with more words still empties", {{"a"}, {"CLEAR", "more"}}, ""},
        {"an empty message starts an empty line", {{"a"}, {}}, "a \r\n"},
    };
    for (const Case& c : cases) {
        FakeHost host;
        NewsText news(host);
        EXPECT_FALSE(news.exists());
        for (const auto& words : c.messages) {
            news.apply(words);
        }
        EXPECT_TRUE(news.exists()) << c.name;
        EXPECT_EQ(news.text(), c.text) << c.name;
        EXPECT_EQ(host.countChanges(Change::News), static_cast<int>(c.messages.size())) << c.name;
    }
}

} // namespace
} // namespace vesk
