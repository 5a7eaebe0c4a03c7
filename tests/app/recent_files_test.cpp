#include "app/recent_files.h"

#include <QSettings>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <set>

using namespace skarvion;

namespace {

class RecentFilesTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QSettings settings{dir.filePath("prefs.ini"), QSettings::IniFormat};
    Preferences preferences{settings};
    std::set<QString> existing;

    void load(RecentFiles& list) {
        list.load(preferences, [&](const QString& p) { return existing.count(p) > 0; });
    }
};

} // namespace

TEST_F(RecentFilesTest, EmptyPreferencesGiveAnEmptyList) {
    RecentFiles list;
    load(list);
    EXPECT_TRUE(list.files().empty());
    EXPECT_EQ(list.maxItems(), RecentFiles::DefaultMaxItems);
}

TEST_F(RecentFilesTest, SavedProjectComesFirstAndMissingFilesAreDropped) {
    RecentFiles list;
    load(list);
    list.save(preferences, "/p/a.SK2050");
    list.save(preferences, "/p/b.SK2050");
    list.save(preferences, "Untitled");
    list.save(preferences, "/p/a.SK2050");

    existing = {"/p/a.SK2050", "/p/b.SK2050"};
    RecentFiles again;
    load(again);
    EXPECT_EQ(again.files(), (std::vector<QString>{"/p/a.SK2050", "/p/b.SK2050"}));

    existing = {"/p/b.SK2050"};
    RecentFiles afterDelete;
    load(afterDelete);
    EXPECT_EQ(afterDelete.files(), (std::vector<QString>{"/p/b.SK2050"}));
}

TEST_F(RecentFilesTest, ListSizeLimitsTheEntries) {
    settings.setValue("FileCount", 2);
    RecentFiles list;
    load(list);
    for (const char* f : {"/1", "/2", "/3"}) list.save(preferences, f);
    EXPECT_EQ(list.files(), (std::vector<QString>{"/3", "/2"}));
    list.setMaxItems(1);
    EXPECT_EQ(list.files(), (std::vector<QString>{"/3"}));

    settings.setValue("FileCount", "many"); // a value of the wrong kind is ignored
    RecentFiles other;
    load(other);
    EXPECT_EQ(other.maxItems(), RecentFiles::DefaultMaxItems);
}
