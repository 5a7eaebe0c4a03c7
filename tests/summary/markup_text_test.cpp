#include "summary/markup_text.h"

#include <gtest/gtest.h>

using namespace skarvion;

TEST(EscapeMarkupText, DoublesEverySlashOnly) {
    EXPECT_EQ(EscapeMarkupText(""), "");
    EXPECT_EQ(EscapeMarkupText("a/b"), "a//b");
    EXPECT_EQ(EscapeMarkupText("//x/"), "////x//");
    EXPECT_EQ(EscapeMarkupText("\xC2\xF5\xEE\xE4/\xC2\xFB\xF5\xEE\xE4"),
              "\xC2\xF5\xEE\xE4//\xC2\xFB\xF5\xEE\xE4"); // Вход/Выход
}

TEST(SplitListText, CutsAtLfCrPairs) {
    using Items = std::vector<std::string>;
    struct Case {
        std::string text;
        Items items;
    };
    const Case cases[] = {
        {"", {}},
        {"one", {"one"}},
        {"one\n\rtwo", {"one", "two"}},
        {"one\n\r", {"one"}},
        {"one\n\r\n\rtwo", {"one", "", "two"}},
        {"\n\rtwo", {"", "two"}},
        {"one\r\ntwo", {"one\r\ntwo"}}, // CR LF is not the separator
    };
    for (const Case& c : cases)
        EXPECT_EQ(SplitListText(c.text), c.items) << c.text;
}
