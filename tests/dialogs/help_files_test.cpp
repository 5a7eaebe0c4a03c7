#include "dialogs/help_files.h"

#include "recording_launcher.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <vector>

using namespace skarvion;

namespace {

using skarvion::testing::RecordingLauncher;

class HelpFilesTest : public ::testing::Test {
  protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    void createFile(const QString& name) {
        QFile file(folder.filePath(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    }

    QTemporaryDir folder;
    RecordingLauncher launcher;
};

TEST_F(HelpFilesTest, OpensPresentHelpFileFromProgramFolder) {
    createFile("pom510_06.chm");
    EXPECT_TRUE(openHelpFile(launcher, folder.path(), HelpFile::Contents));
    ASSERT_EQ(launcher.opened.size(), 1u);
    EXPECT_EQ(launcher.opened[0], QUrl::fromLocalFile(folder.filePath("pom510_06.chm")));
}

TEST_F(HelpFilesTest, MissingHelpFileOpensNothing) {
    createFile("pom510_06.chm");
    EXPECT_FALSE(openHelpFile(launcher, folder.path(), HelpFile::WhatsNew));
    EXPECT_TRUE(launcher.opened.empty());
}

TEST_F(HelpFilesTest, FolderOfTheSameNameIsNoHelpFile) {
    ASSERT_TRUE(QDir(folder.path()).mkdir("his510_06.chm"));
    EXPECT_FALSE(openHelpFile(launcher, folder.path(), HelpFile::WhatsNew));
    EXPECT_TRUE(launcher.opened.empty());
}

} // namespace
