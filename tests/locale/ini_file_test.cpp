#include "locale/ini_file.h"

#include "locale_fixtures.h"

#include <gtest/gtest.h>

#include <random>

namespace skarvion {
namespace {

using test::cp1251;

TEST(IniFileTest, SectionsAndKeysMatchIgnoringCaseAndBlanks) {
    const IniFile file = IniFile::fromBytes("  [ main ]  \r\n  NAME  =  English \r\n"
                                            "[Menu]\nlm_edit_a_undo=Undo\n");
    EXPECT_EQ(file.value("Main", "Name"), "English");
    EXPECT_EQ(file.value(" MAIN", "name "), "English");
    // Keys the program lists with a trailing blank match the same file line.
    EXPECT_EQ(file.value("Menu", "LM_EDIT_A_UNDO "), "Undo");
    EXPECT_EQ(file.value("Menu", "Name"), std::nullopt);
    EXPECT_EQ(file.value("Other", "Name"), std::nullopt);
}

TEST(IniFileTest, ValuesKeepInnerTextAndLoseOneQuotePair) {
    const IniFile file = IniFile::fromBytes("[S]\n"
                                            "plain=a = b\n"
                                            "quoted=\" Report \"\n"
                                            "single=' x'\n"
                                            "unbalanced=\"x\n"
                                            "empty=\n"
                                            "tabbed=\tvalue\t\n");
    EXPECT_EQ(file.value("S", "plain"), "a = b");
    EXPECT_EQ(file.value("S", "quoted"), " Report ");
    EXPECT_EQ(file.value("S", "single"), " x");
    EXPECT_EQ(file.value("S", "unbalanced"), "\"x");
    EXPECT_EQ(file.value("S", "empty"), "");
    EXPECT_EQ(file.value("S", "tabbed"), "value");
}

TEST(IniFileTest, FirstSectionAndFirstKeyOfANameCount) {
    const IniFile file = IniFile::fromBytes("[S]\nk=first\nK=second\n[s]\nk=third\nother=x\n");
    EXPECT_EQ(file.value("S", "k"), "first");
    EXPECT_EQ(file.value("S", "other"), std::nullopt);
}

TEST(IniFileTest, IgnoresLinesOutsideSectionsCommentsAndLinesWithoutEquals) {
    const IniFile file = IniFile::fromBytes("k=before\n[S]\n;k=comment\njust text\n=nokey\nk=v");
    EXPECT_EQ(file.value("S", "k"), "v");
    EXPECT_EQ(file.value("", "k"), std::nullopt);
}

TEST(IniFileTest, AcceptsEveryLineEnding) {
    for (const char* bytes : {"[S]\rk=v\r", "[S]\nk=v\n", "[S]\r\nk=v\r\n", "[S]\n\rk=v"}) {
        EXPECT_EQ(IniFile::fromBytes(bytes).value("S", "k"), "v") << bytes;
    }
}

TEST(IniFileTest, CutsValuesToTheReadLimit) {
    const std::string longValue(5000, 'x');
    const IniFile file = IniFile::fromBytes("[S]\nk=" + longValue + "\n");
    EXPECT_EQ(file.value("S", "k"), std::string(IniFile::MaxValueLength, 'x'));
}

TEST(IniFileTest, KeepsWindows1251BytesAndConvertsFilesWithAByteOrderMark) {
    const std::string name = cp1251("Русский");
    EXPECT_EQ(IniFile::fromBytes("[Main]\nName=" + name).value("Main", "Name"), name);
    EXPECT_EQ(IniFile::fromBytes("\xEF\xBB\xBF[Main]\nName=Русский").value("Main", "Name"), name);

    std::string utf16 = "\xFF\xFE";
    for (char16_t c : std::u16string(u"[Main]\nName=Ж€")) {
        utf16 += static_cast<char>(c & 0xFF);
        utf16 += static_cast<char>(c >> 8);
    }
    EXPECT_EQ(IniFile::fromBytes(utf16).value("Main", "Name"), cp1251("Ж€"));
    // A character the code page lacks becomes a question mark.
    EXPECT_EQ(IniFile::fromBytes("\xEF\xBB\xBF[M]\nk=a\xE4\xB8\xAD").value("M", "k"), "a?");
}

TEST(IniFileTest, MalformedInputNeverCrashes) {
    std::mt19937 random(2050);
    std::string garbage(64 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    const std::string hugeLine = "[S]\nk=" + std::string(100 * 1024, 'y') + "\n";
    const std::string hugeSection = "[" + std::string(100 * 1024, 'S');

    for (const std::string& bytes : {garbage, hugeLine, hugeSection, std::string("no sections"),
                                     std::string("\xFF\xFE["), std::string("[\0]\n=\0", 6)}) {
        const IniFile file = IniFile::fromBytes(bytes);
        const auto value = file.value("S", "k");
        if (value) {
            EXPECT_LE(value->size(), IniFile::MaxValueLength);
        }
    }
}

class IniFileLoadTest : public test::LocaleFolder {};

TEST_F(IniFileLoadTest, LoadsAFileAndGivesAnEmptyProfileForAMissingOne) {
    const QString file = writeFile("x.ini", "[Main]\nName=X\n");
    EXPECT_EQ(IniFile::load(file).value("Main", "Name"), "X");
    EXPECT_FALSE(IniFile::load(path("missing.ini")).hasSection("Main"));
    EXPECT_FALSE(IniFile::load(path("")).hasSection("Main"));
    EXPECT_EQ(IniFile::load(path("missing.ini")).readString("Main", "Name", "fallback"),
              "fallback");
}

} // namespace
} // namespace skarvion
