#include "locale/language_texts.h"

#include "locale/language_table.h"
#include "locale_fixtures.h"
#include "model/windows1251.h"

#include <gtest/gtest.h>

#include <random>

namespace skarvion {
namespace {

using test::cp1251;

class LanguageTextsTest : public test::LocaleFolder {
  protected:
    // Every slot holds the built-in text of its key.
    void expectAllBuiltIn() const {
        for (const LanguageKey& row : languageKeys())
            EXPECT_EQ(texts.text(row.key), LanguageTexts::builtInText(row.key)) << row.key;
    }

    LanguageTexts texts;
};

TEST_F(LanguageTextsTest, StartsWithTheBuiltInTexts) {
    expectAllBuiltIn();
    EXPECT_EQ(texts.text("F2_PR_KEY_WRITE"), "Preparing for Key Change ");
    EXPECT_EQ(texts.text("TREEINPUT"), cp1251("Вход "));
    EXPECT_EQ(uiText(texts, "LM_FILE__"), QStringLiteral("Файл"));
    EXPECT_EQ(texts.text("LM_EDIT_A_UNDO "), "Undo");
    EXPECT_TRUE(texts.activeLanguage().builtIn);
}

TEST_F(LanguageTextsTest, UnknownKeysGiveAnEmptyText) {
    EXPECT_EQ(texts.text("NO_SUCH_KEY"), "");
    EXPECT_EQ(texts.text(""), "");
    EXPECT_EQ(LanguageTexts::builtInText("NO_SUCH_KEY"), "");
}

TEST_F(LanguageTextsTest, FileTextsReplaceSlotsAndMissingOrBlankKeysFallBack) {
    const QString file = writeLanguageFile("de.ini", "Deutsch",
                                           "[Language]\r\n"
                                           " treeinfo = Einstellungen\r\n"
                                           "TREEPIN=\"   \"\r\n"
                                           "TREEPHONE=#\r\n"
                                           "TREEINPUT=Eingang\r\n"
                                           "REP_TIME=Zeit/Aparameter\r\n"
                                           "[Menu]\r\n"
                                           "LM_EDIT_A_UNDO=Отменить\r\n");
    const LanguageLoadResult result = texts.applyLanguageFile(file, QString());
    EXPECT_EQ(result.status, LanguageLoadStatus::Applied);
    EXPECT_FALSE(result.languageSectionSkipped);

    EXPECT_EQ(texts.text("TREEINFO"), "Einstellungen");
    EXPECT_EQ(texts.text("TREEINPUT"), "Eingang ");
    EXPECT_EQ(texts.text("REP_TIME"), "Zeit\n\rparameter");
    EXPECT_EQ(texts.text("LM_EDIT_A_UNDO"), cp1251("Отменить"));
    for (const char* key : {"TREEPIN", "TREEPHONE", "TREETEST", "LM_FILE__"})
        EXPECT_EQ(texts.text(key), LanguageTexts::builtInText(key)) << key;
    // The blank is appended to the built-in text as well.
    const QString bare = writeLanguageFile("bare.ini", "Bare");
    texts.applyLanguageFile(bare, QString());
    EXPECT_EQ(texts.text("TREEINPUT"), cp1251("Вход  "));
    EXPECT_EQ(texts.text("TREEOUTPUT"), cp1251("Выход  "));
}

TEST_F(LanguageTextsTest, NoTextOfAPreviousLanguageSurvives) {
    texts.applyLanguageFile(
        writeLanguageFile("a.ini", "A", "[Language]\nTREEINFO=A\n[Menu]\nSUB2_CUT=A"), QString());
    texts.applyLanguageFile(writeLanguageFile("b.ini", "B", "[Language]\nTREEPIN=B\n"), QString());
    EXPECT_EQ(texts.text("TREEINFO"), LanguageTexts::builtInText("TREEINFO"));
    EXPECT_EQ(texts.text("SUB2_CUT"), LanguageTexts::builtInText("SUB2_CUT"));
    EXPECT_EQ(texts.text("TREEPIN"), "B");
}

TEST_F(LanguageTextsTest, LanguageSectionIsSkippedWhenTheFileNameEqualsTheRegisteredName) {
    texts.applyLanguageFile(writeLanguageFile("a.ini", "A", "[Language]\nTREEINFO=A\n"), QString());
    const std::string inputBefore = texts.text("TREEINPUT");
    const std::string lines = "[Language]\nTREEINFO=X\nTREEINPUT=X\n[Menu]\nSUB2_CUT=X\n";

    // A file without a name while no name is registered: only `Menu` is read.
    const QString unnamed = writeFile("unnamed.ini", lines);
    const LanguageLoadResult result = texts.applyLanguageFile(unnamed, QString());
    EXPECT_TRUE(result.languageSectionSkipped);
    EXPECT_EQ(texts.text("TREEINFO"), "A");
    EXPECT_EQ(texts.text("TREEINPUT"), inputBefore);
    EXPECT_EQ(texts.text("SUB2_CUT"), "X");

    const QString named = writeLanguageFile("named.ini", "Name", lines);
    EXPECT_TRUE(texts.applyLanguageFile(named, "Name").languageSectionSkipped);
    EXPECT_FALSE(texts.applyLanguageFile(named, QString()).languageSectionSkipped);
    EXPECT_EQ(texts.text("TREEINFO"), "X");
    EXPECT_FALSE(texts.applyLanguageFile(unnamed, "Name").languageSectionSkipped);
}

TEST_F(LanguageTextsTest, BuiltInEntryRestoresEveryBuiltInText) {
    const QString file =
        writeLanguageFile("x.ini", "X", "[Language]\nTREEINFO=X\n[Menu]\nSUB2_CUT=X\n");
    const LanguageInfo entry{"X", file, false, "_1"};
    EXPECT_EQ(texts.applyLanguage(entry, QString()).status, LanguageLoadStatus::Applied);
    EXPECT_EQ(texts.activeLanguage(), entry);
    EXPECT_EQ(texts.applyLanguage(LanguageInfo::builtInLanguage(), QString()).status,
              LanguageLoadStatus::BuiltIn);
    expectAllBuiltIn();
    EXPECT_TRUE(texts.activeLanguage().builtIn);

    texts.applyLanguage(entry, QString());
    texts.resetToBuiltIn();
    expectAllBuiltIn();
}

TEST_F(LanguageTextsTest, AMissingFileLeavesTheTextsAsTheyAre) {
    texts.applyLanguageFile(writeLanguageFile("x.ini", "X", "[Language]\nTREEINFO=X\n"), QString());
    const LanguageInfo gone{"Gone", path("gone.ini"), false, "_2"};
    const LanguageLoadResult result = texts.applyLanguage(gone, QString());
    EXPECT_EQ(result.status, LanguageLoadStatus::FileMissing);
    EXPECT_FALSE(result.changedTexts());
    EXPECT_EQ(texts.text("TREEINFO"), "X");
    EXPECT_EQ(texts.activeLanguage(), gone);
}

TEST_F(LanguageTextsTest, MalformedFilesNeverEmptyASlotThatHasABuiltInText) {
    std::mt19937 random(6);
    std::string garbage(32 * 1024, '\0');
    for (char& c : garbage)
        c = static_cast<char>(random() & 0xFF);
    const std::string hugeLine = "[Main]\nName=" + std::string(100 * 1024, 'N') +
                                 "\n[Language]\nTREEINFO=" + std::string(100 * 1024, '#') + "\n";
    const std::string blanks = "[Main]\nName=B\n[Language]\nTREEINFO=\n[Menu]\nSUB2_CUT=   \n";

    for (const std::string& bytes : {garbage, hugeLine, blanks, std::string("TREEINFO=x\n")}) {
        texts.applyLanguageFile(writeFile("bad.ini", bytes), QString());
        for (const LanguageKey& row : languageKeys()) {
            if (!row.builtInUtf8.empty()) {
                EXPECT_FALSE(texts.text(row.key).empty()) << row.key;
            }
        }
        EXPECT_EQ(texts.text("TREEINFO"), LanguageTexts::builtInText("TREEINFO"));
    }
}

} // namespace
} // namespace skarvion
