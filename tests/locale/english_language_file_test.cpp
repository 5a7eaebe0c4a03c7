#include "locale/ini_file.h"
#include "locale/language_table.h"
#include "locale/language_text_codec.h"
#include "locale/language_texts.h"

#include <QFile>

#include <gtest/gtest.h>

#include <regex>

namespace skarvion {
namespace {

const QString EnglishFile = QStringLiteral(SKARVION_LANG_SOURCE_DIR "/English.ini");

// The printf placeholders of a text, in order.
std::vector<std::string> placeholders(const std::string& text) {
    static const std::regex placeholder("%[-+ 0#]*[0-9]*(\\.[0-9]+)?[a-zA-Z%]");
    std::vector<std::string> found;
    for (auto it = std::sregex_iterator(text.begin(), text.end(), placeholder);
         it != std::sregex_iterator(); ++it)
        found.push_back(it->str());
    return found;
}

class EnglishLanguageFileTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(QFile::exists(EnglishFile)) << EnglishFile.toStdString(); }
    const IniFile file = IniFile::load(EnglishFile);
};

TEST_F(EnglishLanguageFileTest, IsNamedEnglishAndStoredInASingleByteCodePage) {
    EXPECT_EQ(languageFileName(file), "English");
    QFile raw(EnglishFile);
    ASSERT_TRUE(raw.open(QIODevice::ReadOnly));
    const QByteArray bytes = raw.readAll();
    EXPECT_TRUE(std::all_of(bytes.begin(), bytes.end(), [](char c) {
        return static_cast<unsigned char>(c) < 0x80;
    })) << "the file is kept in plain ASCII, a subset of Windows-1251";
}

TEST_F(EnglishLanguageFileTest, NamesEveryKeyAndKeepsPlaceholdersAndEndBlanks) {
    for (const LanguageKey& row : languageKeys()) {
        const auto raw = file.value(sectionName(row.section), row.key);
        ASSERT_TRUE(raw.has_value()) << row.key;
        const std::string text = decodeLanguageText(*raw);
        const std::string builtIn(row.builtInUtf8);
        EXPECT_EQ(placeholders(text), placeholders(builtIn)) << row.key;
        if (builtIn.empty()) continue;
        EXPECT_FALSE(isBlankLanguageText(text)) << row.key;
        // Blanks at the ends separate a text from what is put beside it, so a
        // translation keeps them; TREEINPUT and TREEOUTPUT get theirs from the
        // program.
        if (row.key == "TREEINPUT" || row.key == "TREEOUTPUT") continue;
        if (builtIn.front() == ' ') {
            EXPECT_EQ(text.front(), ' ') << row.key;
        }
        if (builtIn.back() == ' ') {
            EXPECT_EQ(text.back(), ' ') << row.key;
        }
    }
}

TEST_F(EnglishLanguageFileTest, ReplacesEveryTextAndSwitchingBackRestoresTheBuiltInOnes) {
    LanguageTexts texts;
    const LanguageLoadResult result = texts.applyLanguageFile(EnglishFile, QString());
    ASSERT_EQ(result.status, LanguageLoadStatus::Applied);
    EXPECT_FALSE(result.languageSectionSkipped);
    for (const LanguageKey& row : languageKeys()) {
        std::string expected = decodeLanguageText(*file.value(sectionName(row.section), row.key));
        if (isBlankLanguageText(expected)) expected = LanguageTexts::builtInText(row.key);
        if (row.key == "TREEINPUT" || row.key == "TREEOUTPUT") expected += ' ';
        EXPECT_EQ(texts.text(row.key), expected) << row.key;
    }
    EXPECT_EQ(texts.text("TREEINPUT"), "Input ");
    EXPECT_EQ(texts.text("LM_FILE__"), "&File");

    texts.applyLanguage(LanguageInfo::builtInLanguage(), QString());
    for (const LanguageKey& row : languageKeys())
        EXPECT_EQ(texts.text(row.key), LanguageTexts::builtInText(row.key)) << row.key;
}

} // namespace
} // namespace skarvion
