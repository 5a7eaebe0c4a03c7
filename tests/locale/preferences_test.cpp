#include "locale/preferences.h"

#include "locale_fixtures.h"

#include <gtest/gtest.h>

namespace skarvion {
namespace {

using PreferencesTest = test::PreferencesFixture;

TEST_F(PreferencesTest, ValuesOfTheWrongKindReadAsAbsent) {
    settings.setValue("FileCount", QStringList{"1", "2"});
    settings.setValue("WorkPath", QStringList{"C:", "x"});
    settings.setValue("CPUPort", QByteArray("\x01\x02", 2));
    EXPECT_EQ(preferences.fileCount(), std::nullopt);
    EXPECT_EQ(preferences.workPath(), std::nullopt);
    EXPECT_EQ(preferences.cpuPort(), std::nullopt);

    settings.setValue("FileCount", "ten");
    EXPECT_EQ(preferences.fileCount(), std::nullopt);
    settings.setValue("FileCount", "7");
    EXPECT_EQ(preferences.fileCount(), 7);
    EXPECT_EQ(preferences.settingLanguage(), std::nullopt);
    EXPECT_EQ(preferences.registeredLanguageName(), QString());
}

TEST_F(PreferencesTest, WrittenValuesReadBackAfterReopening) {
    preferences.setFileCount(4);
    preferences.setWorkPath("C:\\Projects\\");
    preferences.setCpuPort("COM3");
    preferences.setSettingLanguage("English");
    preferences.setSettingPlugin("Skarvion 2050");
    preferences.sync();

    QSettings reopened(path("settings.ini"), QSettings::IniFormat);
    const Preferences again(reopened);
    EXPECT_EQ(again.fileCount(), 4);
    EXPECT_EQ(again.workPath(), "C:\\Projects\\");
    EXPECT_EQ(again.cpuPort(), "COM3");
    EXPECT_EQ(again.settingLanguage(), "English");
    EXPECT_EQ(again.settingPlugin(), "Skarvion 2050");
}

TEST_F(PreferencesTest, WritesKeepTheCaseOfAnExistingName) {
    settings.setValue("language_name_1", "old");
    preferences.writeString("LANGUAGE_NAME_1", "new");
    EXPECT_EQ(settings.value("language_name_1").toString(), "new");
    EXPECT_FALSE(settings.contains("LANGUAGE_NAME_1"));
    EXPECT_EQ(preferences.storedName("Language_Name_1"), "language_name_1");
    EXPECT_EQ(preferences.storedName("LANGUAGE_NAME_2"), QString());
}

TEST_F(PreferencesTest, NamesWithAPrefixComeInTheOrderOfTheirNumbers) {
    for (const char* name : {"LANGUAGE_NAME_10", "language_name_2", "LANGUAGE_NAMEX",
                             "LANGUAGE_NAME_1", "LANGUAGE_PATH_1", "SettingLanguage"})
        settings.setValue(name, "x");
    EXPECT_EQ(
        preferences.valueNamesStartingWith("LANGUAGE_NAME"),
        (QStringList{"LANGUAGE_NAME_1", "language_name_2", "LANGUAGE_NAME_10", "LANGUAGE_NAMEX"}));
}

TEST_F(PreferencesTest, RecentFilesReadUpToTheListLengthAndSkipEmptyOrWrongValues) {
    for (int n = 1; n <= 20; ++n)
        settings.setValue(QString("File%1").arg(n), QString("f%1").arg(n));
    settings.setValue("File2", "");
    settings.setValue("File3", QStringList{"a", "b"});
    EXPECT_EQ(preferences.recentFiles(5), (std::vector<QString>{"f1", "f4", "f5"}));
    EXPECT_EQ(preferences.recentFiles(40).size(), 14u); // File1..File16 without File2 and File3
    EXPECT_TRUE(preferences.recentFiles(0).empty());
}

TEST_F(PreferencesTest, SavingRecentFilesLeavesNoStaleEntryBehind) {
    preferences.saveRecentFiles({"a", "b", "c", "d"}, 10);
    preferences.saveRecentFiles({"x", "", "y"}, 6);
    EXPECT_EQ(preferences.fileCount(), 6);
    EXPECT_EQ(preferences.readString("File1"), "x");
    EXPECT_FALSE(preferences.contains("File2"));
    EXPECT_EQ(preferences.readString("File3"), "y");
    EXPECT_FALSE(preferences.contains("File4"));
    EXPECT_EQ(preferences.recentFiles(6), (std::vector<QString>{"x", "y"}));
}

} // namespace
} // namespace skarvion
