#include "locale/language_table.h"

#include "locale/key_folding.h"
#include "model/windows1251.h"

#include <gtest/gtest.h>

#include <set>

namespace skarvion {
namespace {

TEST(LanguageTableTest, HoldsEveryKeyOfBothSectionsOnce) {
    std::size_t languageKeysCount = 0;
    std::size_t menuKeysCount = 0;
    std::set<std::string> folded;
    for (const LanguageKey& row : languageKeys()) {
        (row.section == LanguageSection::Language ? languageKeysCount : menuKeysCount)++;
        EXPECT_TRUE(folded.insert(foldProfileName(row.key)).second) << row.key;
        EXPECT_EQ(trimProfileBlanks(row.key), row.key) << row.key;
    }
    EXPECT_EQ(languageKeysCount, 385u);
    EXPECT_EQ(menuKeysCount, 86u);
}

TEST(LanguageTableTest, BuiltInTextsConvertToWindows1251) {
    const auto keys = languageKeys();
    ASSERT_EQ(builtInTexts().size(), keys.size());
    for (std::size_t i = 0; i < keys.size(); ++i) {
        EXPECT_EQ(Windows1251ToUtf8(builtInTexts()[i]), keys[i].builtInUtf8) << keys[i].key;
    }
}

TEST(LanguageTableTest, FindsKeysIgnoringCaseAndBlanks) {
    ASSERT_TRUE(languageKeyIndex("LM_EDIT_A_UNDO").has_value());
    EXPECT_EQ(languageKeyIndex(" lm_edit_a_undo "), languageKeyIndex("LM_EDIT_A_UNDO"));
    EXPECT_EQ(languageKeys()[*languageKeyIndex("TREEINPUT")].section, LanguageSection::Language);
    EXPECT_EQ(languageKeys()[*languageKeyIndex("SUB2_CUT")].section, LanguageSection::Menu);
    EXPECT_FALSE(languageKeyIndex("NO_SUCH_KEY").has_value());
    EXPECT_FALSE(languageKeyIndex("").has_value());
}

} // namespace
} // namespace skarvion
