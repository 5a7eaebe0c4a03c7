#pragma once

// The main window: menus, tool bars, the settings tree, the page area and the
// status bar around one project.

#include "app/message_box_dialogs.h"
#include "app/project_session.h"
#include "app/recent_files.h"
#include "editor/editor_context.h"
#include "locale/language_texts.h"
#include "locale/preferences.h"
#include "summary/report_layout.h"
#include "model/device_image.h"

#include <QMainWindow>

#include <map>
#include <memory>

class QAction;
class QLabel;
class QMenu;
class QSettings;
class QToolBar;

namespace skarvion {

class EditCommands;
class PageArea;
class SettingsTreeView;
class DesktopLauncher;
class SimulatedDevice;
class TAboutForm;
class TAudioForm;
class TCommPortDriverEx;
class TFormWRCPU;
class TOptionForm;

class TApplicationForm : public QMainWindow {
    Q_OBJECT

public:
    // `dialogs` answers the File commands' questions; the window's own
    // message boxes when null.
    explicit TApplicationForm(QSettings& settings, ShellDialogs* dialogs = nullptr,
                              QWidget* parent = nullptr);
    ~TApplicationForm() override;

    ProjectSession& session() { return session_; }
    const LanguageTexts& texts() const { return texts_; }
    SettingsTreeView* tree() const { return tree_; }
    PageArea* pages() const { return pages_; }
    QAction* action(const QString& name) const;

    // The program's first argument.
    void openFromCommandLine(const QString& path);

    // What the window does when it first shows and each time the user comes
    // back to the program.
    void activate();

    TOptionForm* options() const { return options_; }
    TCommPortDriverEx& port() { return *port_; }

    // Redraws the tree and shows the selected node's page again (the first
    // root's when none is selected).
    void refreshCurrentPage();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createActions();
    void createMenus();
    void createToolBars();
    void createCentralArea();
    void connectCommands();
    void applyMenuTexts();
    void applyLanguage();
    void updateTitle();
    void rebuildRecentMenu();
    void afterProjectReplaced();

    void commandNew();
    void commandOpen();
    void commandSave();
    void commandSaveAs();
    void commandClose();
    void commandExit();
    void openRecent(const QString& path);
    void commandSettings(bool languagePage);
    void commandRead();
    void commandAudioParameters();
    void commandWrite();
    void commandPrintPreview();
    void commandExportPdf();
    ReportPages reportPages() const;

    void refreshPorts();
    void applyPort();
    void showPortLine();
    QString programDirectory() const;
    ShellDialogs& dialogs() { return ownDialogs_ ? *ownDialogs_ : *externalDialogs_; }

    QSettings& settings_;
    Preferences preferences_;
    LanguageTexts texts_;
    ShellDialogs* externalDialogs_;
    std::unique_ptr<MessageBoxDialogs> ownDialogs_;
    ProjectSession session_;
    EditorContext context_;
    RecentFiles recent_;
    std::unique_ptr<TCommPortDriverEx> port_;
    std::unique_ptr<SimulatedDevice> simulator_;
    std::unique_ptr<DesktopLauncher> launcher_;
    DeviceImage readImage_{};

    SettingsTreeView* tree_ = nullptr;
    PageArea* pages_ = nullptr;
    EditCommands* editCommands_ = nullptr;
    TOptionForm* options_ = nullptr;
    TFormWRCPU* transfer_ = nullptr;
    TAudioForm* audio_ = nullptr;
    TAboutForm* about_ = nullptr;
    QLabel* portLine_ = nullptr;
    QMenu* recentMenuAnchor_ = nullptr;
    std::map<QString, QAction*> actions_;
    std::map<int, QMenu*> menus_;
    std::map<int, QToolBar*> toolBars_;
    std::vector<QAction*> recentActions_;
    QAction* recentSeparator_ = nullptr;
    bool exiting_ = false;
};

} // namespace skarvion
