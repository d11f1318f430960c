#include "info/NewsText.h"

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

// A flood of news keeps the latest messages only, and a message far longer than a window is
// cut after the last word that fits.
TEST(NewsText, WhatAServerCanFillIsBounded) {
    FakeHost host;
    NewsText news(host);
    const std::string word(99, 'w');
    const std::vector<std::string_view> longMessage(100, word);
    news.apply(longMessage);
    EXPECT_EQ(news.text().size(), 40u * 100u);
    for (std::size_t message = 0; message < NewsText::mostMessages + 10; ++message) {
        const std::string number = std::to_string(message);
        news.apply({"m", number});
    }
    EXPECT_EQ(news.messages().size(), NewsText::mostMessages);
    EXPECT_EQ(news.messages().front(), "m 10 ");
    EXPECT_EQ(news.messagesAdded(), NewsText::mostMessages + 11);
    EXPECT_TRUE(news.text().starts_with("m 10 \r\nm 11 \r\n"));
}

} // namespace
} // namespace vesk
