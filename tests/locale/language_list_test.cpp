#include "locale/language_list.h"

#include "locale_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace skarvion {
namespace {

class LanguageListTest : public test::PreferencesFixture {
  protected:
    void registerLanguage(const QString& suffix, const QString& name, const QString& file) {
        settings.setValue("LANGUAGE_NAME" + suffix, name);
        settings.setValue("LANGUAGE_PATH" + suffix, file);
    }

    static QStringList names(const std::vector<LanguageInfo>& list) {
        QStringList result;
        for (const LanguageInfo& entry : list)
            result.append(entry.name);
        return result;
    }
};

TEST_F(LanguageListTest, WithNothingRegisteredHoldsOnlyTheBuiltInLanguage) {
    const auto list = buildLanguageList(preferences);
    ASSERT_EQ(list.size(), 1u);
    EXPECT_EQ(list[0], LanguageInfo::builtInListEntry());
    EXPECT_EQ(list[0].name, QStringLiteral("Русский "));
    EXPECT_TRUE(list[0].builtIn);
    EXPECT_EQ(list[0].suffix, "_");
}

TEST_F(LanguageListTest, ListsValidLanguagesNewestFirstAndRemovesInvalidOnes) {
    registerLanguage("_1", "English", writeLanguageFile("en.ini", "English"));
    registerLanguage("_2", "Deutsch", writeLanguageFile("de.ini", "Deutsch"));
    registerLanguage("_3", "Gone", path("gone.ini"));
    registerLanguage("_4", "Other", writeLanguageFile("other.ini", "Different"));
    registerLanguage("_5", "Unnamed", writeFile("unnamed.ini", "[Language]\n"));
    registerLanguage("_6", "Blank", "   ");
    registerLanguage("_7", "english", path("en.ini")); // names compare exactly
    settings.setValue("LANGUAGE_NAME_8", "No path");
    settings.setValue("language_name_9", "Українська");
    settings.setValue("Language_Path_9", writeLanguageFile("uk.ini", "Українська"));

    const auto list = buildLanguageList(preferences);
    EXPECT_EQ(names(list), (QStringList{QStringLiteral("Русский "), QStringLiteral("Українська"),
                                        "Deutsch", "English"}));
    EXPECT_EQ(list[1].suffix, "_9");
    EXPECT_EQ(list[3].path, path("en.ini"));
    EXPECT_FALSE(list[3].builtIn);

    for (const char* suffix : {"_3", "_4", "_5", "_6", "_7"}) {
        EXPECT_FALSE(settings.contains(QString("LANGUAGE_NAME") + suffix)) << suffix;
        EXPECT_FALSE(settings.contains(QString("LANGUAGE_PATH") + suffix)) << suffix;
    }
    EXPECT_TRUE(settings.contains("LANGUAGE_NAME_8")); // skipped, not removed
}

TEST_F(LanguageListTest, SelectorShowsTheLastEntryWithTheStoredName) {
    const std::vector<LanguageInfo> list{LanguageInfo::builtInListEntry(),
                                         {"English", "a.ini", false, "_2"},
                                         {"English", "b.ini", false, "_1"}};
    EXPECT_EQ(selectedLanguagePosition(list, QString("English")), 2);
    EXPECT_EQ(selectedLanguagePosition(list, QString("english")), 0);
    EXPECT_EQ(selectedLanguagePosition(list, QString()), 0);
    EXPECT_EQ(selectedLanguagePosition(list, std::nullopt), 0);

    EXPECT_EQ(languageAt(list, 2).path, "b.ini");
    for (int position : {0, -1, 3})
        EXPECT_EQ(languageAt(list, position), LanguageInfo::builtInLanguage());
}

TEST_F(LanguageListTest, AddedLanguagesTakeTheSmallestFreeSuffix) {
    const QString first = writeLanguageFile("first.ini", "First");
    const QString second = writeLanguageFile("second.ini", "Second");
    auto list = buildLanguageList(preferences);
    EXPECT_EQ(addLanguageFile(preferences, list, first), "_1");
    list = buildLanguageList(preferences);
    EXPECT_EQ(addLanguageFile(preferences, list, second), "_2");
    list = buildLanguageList(preferences);
    EXPECT_EQ(names(list), (QStringList{QStringLiteral("Русский "), "Second", "First"}));

    ASSERT_TRUE(QFile::remove(first));
    list = buildLanguageList(preferences);
    EXPECT_FALSE(settings.contains("LANGUAGE_NAME_1"));
    EXPECT_FALSE(settings.contains("LANGUAGE_PATH_1"));

    const QString third = writeLanguageFile("third.ini", "Third");
    EXPECT_EQ(addLanguageFile(preferences, list, third), "_1");
    EXPECT_EQ(settings.value("LANGUAGE_NAME_1").toString(), "Third");
    EXPECT_EQ(settings.value("LANGUAGE_PATH_1").toString(), third);
}

TEST_F(LanguageListTest, AddingRejectsMissingFilesAndNamesThatDoNotMatch) {
    const QString file = writeLanguageFile("x.ini", "X");
    const auto list = buildLanguageList(preferences);
    EXPECT_EQ(addLanguage(preferences, list, "", file), std::nullopt);
    EXPECT_EQ(addLanguage(preferences, list, "X", ""), std::nullopt);
    EXPECT_EQ(addLanguage(preferences, list, "Y", file), std::nullopt);
    EXPECT_EQ(addLanguage(preferences, list, "X", path("missing.ini")), std::nullopt);
    EXPECT_EQ(addLanguageFile(preferences, list, writeFile("unnamed.ini", "[Main]\nName=  \n")),
              std::nullopt);
    EXPECT_TRUE(preferences.valueNamesStartingWith("LANGUAGE_").isEmpty());
}

TEST_F(LanguageListTest, NoSuffixIsLeftWhenAllAreTaken) {
    std::vector<LanguageInfo> list{LanguageInfo::builtInListEntry()};
    for (int n = 1; n <= 999; ++n)
        list.push_back({"L", "p", false, QString("_%1").arg(n)});
    EXPECT_EQ(freeLanguageSuffix(list), QString());
    EXPECT_EQ(addLanguage(preferences, list, "X", writeLanguageFile("x.ini", "X")), std::nullopt);
    list.erase(list.begin() + 500);
    EXPECT_EQ(freeLanguageSuffix(list), "_500");
}

TEST(ShippedLanguageFolder, IsFoundBesideAnInstalledOrABuiltProgram) {
    struct Case {
        const char* name;
        QStringList folders; // made below the temporary root
        QString program;
        QString expected;
    };
    const std::vector<Case> cases = {
        {"installed", {"usr/bin", "usr/share/skarvion/lang"}, "usr/bin", "usr/share/skarvion/lang"},
        {"build tree", {"build/src/app", "build/lang"}, "build/src/app", "build/lang"},
        {"neither", {"opt/tool"}, "opt/tool", "opt/tool"},
    };
    for (const Case& c : cases) {
        QTemporaryDir root;
        for (const QString& folder : c.folders)
            ASSERT_TRUE(QDir(root.path()).mkpath(folder));
        EXPECT_EQ(shippedLanguageFolder(root.filePath(c.program)), root.filePath(c.expected))
            << c.name;
    }
}

} // namespace
} // namespace skarvion
