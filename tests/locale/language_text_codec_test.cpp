#include "locale/language_text_codec.h"

#include "locale/ini_file.h"

#include <gtest/gtest.h>

namespace skarvion {
namespace {

struct DecodeCase {
    const char* raw;
    const char* decoded;
};

class DecodeLanguageTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeLanguageTextTest, AppliesTheEscapes) {
    EXPECT_EQ(decodeLanguageText(GetParam().raw), GetParam().decoded);
}

INSTANTIATE_TEST_SUITE_P(
    Escapes, DecodeLanguageTextTest,
    ::testing::Values(DecodeCase{"one/Atwo", "one\n\rtwo"}, DecodeCase{"one/atwo", "one\n\rtwo"},
                      DecodeCase{"a//b", "a/b"}, DecodeCase{"a/#b", "a#b"}, DecodeCase{"a#b", "ab"},
                      DecodeCase{"###", ""}, DecodeCase{"1/2", "1/2"}, DecodeCase{"x/:y", "x/:y"},
                      DecodeCase{"end/", "end/"}, DecodeCase{"/", "/"}, DecodeCase{"//A", "/A"},
                      DecodeCase{"///A", "/\n\r"}, DecodeCase{"/#/A#", "#\n\r"},
                      DecodeCase{"%s/sb", "%s/sb"}, DecodeCase{"", ""}));

TEST(ReadLanguageTextTest, BlankOrMissingValuesGiveTheFallbackAndOthersStayUntrimmed) {
    const IniFile file = IniFile::fromBytes("[Language]\n"
                                            "blanks=\"   \"\n"
                                            "hash=#\n"
                                            "control=\"\x01\t/A\"\n"
                                            "empty=\n"
                                            "padded=\" Input \"\n"
                                            "text=Report\n");
    const std::string fallback = " built-in ";
    for (const char* key : {"blanks", "hash", "control", "empty", "missing"}) {
        EXPECT_EQ(readLanguageText(file, "Language", key, fallback), fallback) << key;
    }
    EXPECT_EQ(readLanguageText(file, "Language", "padded", fallback), " Input ");
    EXPECT_EQ(readLanguageText(file, "Language", "TEXT", fallback), "Report");
    EXPECT_EQ(readLanguageText(file, "Menu", "text", fallback), fallback);
}

} // namespace
} // namespace skarvion
