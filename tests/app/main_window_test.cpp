#include "app/main_window.h"

#include "editor/page_area.h"
#include "editor/settings_tree_view.h"
#include "model/model_operations.h"

#include <QAction>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolBar>

#include <gtest/gtest.h>

#include <deque>

using namespace skarvion;

namespace {

class AnsweringDialogs : public ShellDialogs {
public:
    Answer ask(Question, const QString&, const QString& text) override {
        questions.push_back(text);
        const Answer a = answers.empty() ? Answer::Cancel : answers.front();
        if (!answers.empty()) answers.pop_front();
        return a;
    }
    std::optional<QString> chooseFileToOpen(const QString&) override { return file; }
    std::optional<QString> chooseFileToSave(const QString&, bool) override { return file; }
    void showError(const QString& text) override { errors.push_back(text); }

    std::deque<Answer> answers;
    std::optional<QString> file;
    QStringList questions;
    QStringList errors;
};

class MainWindowTest : public ::testing::Test {
protected:
    QString path(const QString& name) const { return dir.filePath(name); }

    QTemporaryDir dir;
    QSettings settings{dir.filePath("prefs.ini"), QSettings::IniFormat};
    AnsweringDialogs dialogs;
};

int rootCount(const QTreeWidget& tree) {
    return tree.topLevelItemCount();
}

} // namespace

TEST_F(MainWindowTest, OpensTheProjectGivenOnTheCommandLine) {
    ConfigurationModel model = StartupModel();
    model.input(3).Enabled = 1;
    ASSERT_TRUE(WriteProjectFile(path("site.SK2050"), model).ok());
    TApplicationForm window(settings, &dialogs);
    window.openFromCommandLine(path("site.SK2050"));
    EXPECT_EQ(window.windowTitle(), "Skarvion PRO [site.SK2050]");
    EXPECT_EQ(rootCount(*window.tree()), 16);
    EXPECT_EQ(window.pages()->currentWidget()->objectName(), "Info");
    EXPECT_FALSE(window.tree()->itemOf(0)->isDisabled());
    EXPECT_GE(window.minimumWidth(), 660);
    EXPECT_GE(window.minimumHeight(), 480);
}

TEST_F(MainWindowTest, SelectingANodeShowsItsPage) {
    TApplicationForm window(settings, &dialogs);
    const auto& nodes = SettingsTreeNodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].kind == KindOutput && nodes[i].output == 2) {
            window.tree()->selectNode(static_cast<int>(i));
            break;
        }
    }
    EXPECT_EQ(window.pages()->currentWidget()->objectName(), "Output");
}

TEST_F(MainWindowTest, NewAsksBeforeDroppingEdits) {
    TApplicationForm window(settings, &dialogs);
    window.session().model().input(1).ReactionTime = 9;
    window.session().markModified();

    dialogs.answers = {Answer::Cancel};
    window.action("ActNew")->trigger();
    EXPECT_EQ(window.session().model().input(1).ReactionTime, 9);
    ASSERT_EQ(dialogs.questions.size(), 1);
    EXPECT_TRUE(dialogs.questions[0].contains("Untitled"));

    dialogs.answers = {Answer::Yes};
    dialogs.file = path("saved");
    window.action("ActNew")->trigger();
    EXPECT_EQ(window.session().model(), StartupModel());
    EXPECT_TRUE(QFile::exists(path("saved.SK2050")));
    EXPECT_EQ(window.windowTitle(), "Skarvion PRO [Untitled]  v6.2x");
}

TEST_F(MainWindowTest, RecentFilesSurviveARestart) {
    ASSERT_TRUE(WriteProjectFile(path("a.SK2050"), StartupModel()).ok());
    {
        TApplicationForm window(settings, &dialogs);
        dialogs.file = path("a.SK2050");
        window.action("ActOpen")->trigger();
        EXPECT_EQ(window.session().fileName(), path("a.SK2050"));
    }
    TApplicationForm again(settings, &dialogs);
    again.activate();
    QStringList entries;
    for (QAction* a : again.findChild<QMenu*>("TBSubmenuItem1")->actions()) entries << a->text();
    EXPECT_TRUE(entries.join('\n').contains(path("a.SK2050"))) << entries.join('\n').toStdString();
}

TEST_F(MainWindowTest, ViewCommandsToggleToolBars) {
    TApplicationForm window(settings, &dialogs);
    window.show();
    QToolBar* bar = window.findChild<QToolBar*>("TBToolbar4");
    ASSERT_NE(bar, nullptr);
    EXPECT_TRUE(bar->isVisible());
    window.action("ActPanelTools")->trigger();
    EXPECT_FALSE(bar->isVisible());
    window.action("ActPanelTools")->trigger();
    EXPECT_TRUE(bar->isVisible());
}
