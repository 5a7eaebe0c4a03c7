// Saves that fail must lose nothing: the file on disk stays as it was, the
// user is told why, and the project stays marked modified under its old name.
// The tests run as root in CI, where permissions do not stop a write, so the
// failures are made in ways that hold for every user: a file-size limit that
// makes the write run out of room, a folder that is a file, a name that is a
// folder.

#include "app/project_session.h"

#include "model/model_operations.h"

#include "file_size_limit.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>


using namespace skarvion;

namespace {

class SaveDialogs : public ShellDialogs {
  public:
    Answer ask(Question, const QString&, const QString&) override { return Answer::Yes; }
    std::optional<QString> chooseFileToOpen(const QString&) override { return file; }
    std::optional<QString> chooseFileToSave(const QString&, bool) override { return file; }
    void showError(const QString& text) override { errors.push_back(text); }

    QString file;
    std::vector<QString> errors;
};

using skarvion::testing::FileSizeLimit;

class ProjectSaveFaultTest : public ::testing::Test {
  protected:
    void SetUp() override {
        // A project saved once, then edited.
        dialogs.file = path("site.SK2050");
        ASSERT_TRUE(session.save());
        saved = readAll(path("site.SK2050"));
        session.model().input(2).ReactionTime = 77;
        session.markModified();
    }

    QString path(const QString& name) const { return dir.filePath(name); }

    static QByteArray readAll(const QString& file) {
        QFile f(file);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }

    // The failed save left the old file, the edits and the flag, and said so.
    void expectNothingLost(const QString& shownPath) {
        EXPECT_EQ(readAll(path("site.SK2050")), saved);
        EXPECT_TRUE(session.modified());
        EXPECT_EQ(session.fileName(), path("site.SK2050"));
        EXPECT_EQ(session.model().input(2).ReactionTime, 77);
        ASSERT_EQ(dialogs.errors.size(), 1u);
        if (!shownPath.isEmpty()) {
            EXPECT_TRUE(dialogs.errors[0].contains(shownPath)) << dialogs.errors[0].toStdString();
        }
    }

    QTemporaryDir dir;
    LanguageTexts texts;
    SaveDialogs dialogs;
    ProjectSession session{dialogs, texts};
    QByteArray saved;
};

} // namespace

TEST_F(ProjectSaveFaultTest, DiskFullDuringSaveKeepsTheOldFile) {
    {
        FileSizeLimit limit(512); // a project file takes more than 900 bytes
        ASSERT_TRUE(limit.active());
        EXPECT_FALSE(session.save());
    }
    expectNothingLost(path("site.SK2050"));
    EXPECT_TRUE(dialogs.errors[0].contains("disk may be full")) << dialogs.errors[0].toStdString();
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files), QStringList{"site.SK2050"})
        << "no partial or temporary file is left behind";

    // Once there is room again, the same command saves the edits.
    dialogs.errors.clear();
    ASSERT_TRUE(session.save());
    EXPECT_FALSE(session.modified());
    ConfigurationModel reopened = StartupModel();
    ASSERT_TRUE(ReadProjectFile(path("site.SK2050"), reopened).ok());
    EXPECT_EQ(reopened.input(2).ReactionTime, 77);
}

TEST_F(ProjectSaveFaultTest, FolderThatCannotTakeTheFile) {
    // A folder that is a file, as a path into a read-only or vanished place
    // looks to the program, and a target name that is taken by a folder.
    QFile notAFolder(path("notes.txt"));
    ASSERT_TRUE(notAFolder.open(QIODevice::WriteOnly));
    notAFolder.close();
    ASSERT_TRUE(QDir(dir.path()).mkdir("taken.SK2050"));

    struct Case {
        const char* target;
        const char* shownPath; // the message names this, when set
    };
    for (const Case& c :
         {Case{"notes.txt/site.SK2050", nullptr}, Case{"taken.SK2050", "taken.SK2050"}}) {
        SCOPED_TRACE(c.target);
        dialogs.errors.clear();
        dialogs.file = path(c.target);
        EXPECT_FALSE(session.saveAs());
        expectNothingLost(c.shownPath ? path(c.shownPath) : QString());
    }
}
