#include "app/project_session.h"

#include "model/model_operations.h"

#include "model_fixtures.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <deque>

using namespace skarvion;

namespace {

// Answers the session's questions from a script and records what was asked.
class ScriptedDialogs : public ShellDialogs {
public:
    Answer ask(Question question, const QString&, const QString& text) override {
        asked.push_back({question, text});
        if (answers.empty()) {
            ADD_FAILURE() << "unexpected question: " << text.toStdString();
            return Answer::Cancel;
        }
        const Answer a = answers.front();
        answers.pop_front();
        return a;
    }
    std::optional<QString> chooseFileToOpen(const QString&) override { return next(); }
    std::optional<QString> chooseFileToSave(const QString&, bool) override { return next(); }
    void showError(const QString& text) override { errors.push_back(text); }

    std::optional<QString> next() {
        if (files.empty()) return std::nullopt;
        const QString f = files.front();
        files.pop_front();
        return f.isEmpty() ? std::nullopt : std::optional<QString>(f);
    }

    struct Asked {
        Question question;
        QString text;
    };
    std::deque<Answer> answers;
    std::deque<QString> files; // an empty entry cancels the dialog
    std::vector<Asked> asked;
    std::vector<QString> errors;
};

class ProjectSessionTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }
    void edit() {
        session.model().input(2).ReactionTime = 77;
        session.markModified();
    }

    QTemporaryDir dir;
    LanguageTexts texts;
    ScriptedDialogs dialogs;
    ProjectSession session{dialogs, texts};
};

} // namespace

TEST_F(ProjectSessionTest, FreshSessionIsUntitled) {
    EXPECT_EQ(session.fileName(), "Untitled");
    EXPECT_FALSE(session.modified());
    EXPECT_EQ(session.windowTitle(), "Skarvion PRO [Untitled]  v6.2x");
}

TEST_F(ProjectSessionTest, SaveOfAnUntitledProjectAsksForANameAndFixesTheExtension) {
    edit();
    dialogs.files = {path("site.txt")};
    ASSERT_TRUE(session.save());
    EXPECT_EQ(session.fileName(), path("site.SK2050"));
    EXPECT_FALSE(session.modified());
    EXPECT_TRUE(QFile::exists(path("site.SK2050")));
    EXPECT_EQ(session.windowTitle(), "Skarvion PRO [site.SK2050]  v6.2x");

    // Saving again goes to the same file without a dialog or a question.
    edit();
    ASSERT_TRUE(session.save());
    EXPECT_TRUE(dialogs.asked.empty());

    ProjectSession other(dialogs, texts);
    dialogs.files = {path("noext")};
    ASSERT_TRUE(other.save());
    EXPECT_EQ(other.fileName(), path("noext.SK2050"));
}

TEST_F(ProjectSessionTest, ReplacingAFileChosenForANewProjectIsAskedFirst) {
    QFile(path("a.SK2050")).open(QIODevice::WriteOnly);
    edit();
    dialogs.files = {path("a.SK2050")};
    dialogs.answers = {Answer::Cancel};
    EXPECT_FALSE(session.save());
    ASSERT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(dialogs.asked[0].question, Question::Replace);
    EXPECT_TRUE(dialogs.asked[0].text.contains(path("a.SK2050")));
    EXPECT_EQ(session.fileName(), "Untitled"); // a cancelled save keeps the old name
    EXPECT_TRUE(session.modified());
    EXPECT_EQ(QFile(path("a.SK2050")).size(), 0);

    // Save As onto an existing file replaces it without a question.
    dialogs.files = {path("a.SK2050")};
    EXPECT_TRUE(session.saveAs());
    EXPECT_EQ(dialogs.asked.size(), 1u);
    EXPECT_EQ(QFile(path("a.SK2050")).size(), 937);
}

TEST_F(ProjectSessionTest, SaveIntoAMissingFolderReportsThePath) {
    dialogs.files = {path("nowhere/a.SK2050")};
    EXPECT_FALSE(session.save());
    ASSERT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(dialogs.errors[0], "Error File Path !");
}

TEST_F(ProjectSessionTest, OpenReplacesTheModelOnlyOnSuccess) {
    ConfigurationModel configured = skarvion::testing::FullyConfiguredModel();
    ASSERT_TRUE(WriteProjectFile(path("full.SK2050"), configured).ok());
    QFile bad(path("bad.SK2050"));
    bad.open(QIODevice::WriteOnly);
    bad.write(QByteArray(1000, 'x'));
    bad.close();

    dialogs.files = {path("bad.SK2050"), path("notes.txt"), path("full.SK2050")};
    EXPECT_FALSE(session.open());
    EXPECT_FALSE(session.open());
    EXPECT_EQ(dialogs.errors, (std::vector<QString>{"Selected file can not file of Project",
                                                    "Selected file can not file of Project"}));
    EXPECT_EQ(session.model(), StartupModel());

    ASSERT_TRUE(session.open());
    EXPECT_EQ(session.fileName(), path("full.SK2050"));
    EXPECT_EQ(session.model().SmsCentreNumber, configured.SmsCentreNumber);
    EXPECT_EQ(session.dialogDirectory, dir.path());
}

TEST_F(ProjectSessionTest, UnsavedWorkIsNeverDroppedWithoutConsent) {
    edit();
    // Cancel keeps the edits for New, Open and Exit alike.
    dialogs.answers = {Answer::Cancel, Answer::Cancel, Answer::Cancel};
    ASSERT_TRUE(WriteProjectFile(path("other.SK2050"), StartupModel()).ok());
    dialogs.files = {path("other.SK2050")};
    EXPECT_FALSE(session.newProject());
    EXPECT_FALSE(session.open());
    EXPECT_FALSE(session.exit());
    EXPECT_EQ(session.model().input(2).ReactionTime, 77);
    ASSERT_EQ(dialogs.asked.size(), 3u);
    EXPECT_EQ(dialogs.asked[0].text, QString("Сохранить файл : Untitled  ?"));
    EXPECT_EQ(dialogs.asked[2].text, QString("Сохранить файл : Untitled ?"));

    // Yes on Exit saves first; a cancelled save dialog keeps the program open.
    dialogs.answers = {Answer::Yes};
    dialogs.files = {QString()};
    EXPECT_FALSE(session.exit());

    // Close saves without asking; without a name chosen nothing is lost.
    dialogs.files = {QString()};
    EXPECT_FALSE(session.close());
    EXPECT_EQ(session.model().input(2).ReactionTime, 77);

    // No discards.
    dialogs.answers = {Answer::No};
    EXPECT_TRUE(session.newProject());
    EXPECT_EQ(session.model(), StartupModel());
    EXPECT_TRUE(session.modified()); // only Save clears the flag
}

TEST_F(ProjectSessionTest, ExitWithoutChangesAsksToClose) {
    dialogs.answers = {Answer::No, Answer::Yes};
    EXPECT_FALSE(session.exit());
    EXPECT_TRUE(session.exit());
    EXPECT_EQ(dialogs.asked[0].question, Question::CloseProgram);
    EXPECT_EQ(dialogs.asked[0].text, "Application close?");
    EXPECT_TRUE(session.closeQuery()); // the close box asks nothing when nothing changed
}

TEST_F(ProjectSessionTest, CommandLineOpenUsesTheShortTitle) {
    ASSERT_TRUE(WriteProjectFile(path("cmd.SK2050"), StartupModel()).ok());
    QDir::setCurrent(dir.path());
    ASSERT_TRUE(session.openFromCommandLine("cmd.SK2050"));
    EXPECT_EQ(session.fileName(), path("cmd.SK2050"));
    EXPECT_EQ(session.windowTitle(), "Skarvion PRO [cmd.SK2050]");

    EXPECT_FALSE(session.openFromCommandLine("readme.txt"));
    EXPECT_EQ(dialogs.errors.size(), 1u);
    EXPECT_EQ(session.fileName(), path("cmd.SK2050"));
}
