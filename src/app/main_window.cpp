#include "app/main_window.h"

#include "app/window_actions.h"
#include "dialogs/about_form.h"
#include "dialogs/audio_form.h"
#include "dialogs/help_files.h"
#include "dialogs/qt_desktop_launcher.h"
#include "editor/edit_commands.h"
#include "editor/page_area.h"
#include "editor/settings_tree_view.h"
#include "link/comm_port_driver_ex.h"
#include "link/device_operations.h"
#include "link/simulated_device.h"
#include "link/transfer_dialog.h"
#include "locale/language_list.h"
#include "locale/option_form.h"
#include "model/windows1251.h"
#include "summary/report_preview.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QStandardPaths>
#include <QFileInfo>
#include <QLabel>
#include <QMenuBar>
#include <QSplitter>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>

namespace skarvion {

namespace {

constexpr int MinimumWidth = 660;
constexpr int MinimumHeight = 480;

QIcon standardIcon(const QString& action) {
    static const std::map<QString, QStyle::StandardPixmap> icons{
        {"ActNew", QStyle::SP_FileIcon},
        {"ActOpen", QStyle::SP_DialogOpenButton},
        {"ActSave", QStyle::SP_DialogSaveButton},
        {"ActPrntPrev", QStyle::SP_FileDialogContentsView},
        {"ActSetting", QStyle::SP_FileDialogDetailedView},
        {"ActLanguage", QStyle::SP_FileDialogInfoView},
        {"ActRead", QStyle::SP_ArrowDown},
        {"ActWrite", QStyle::SP_ArrowUp},
        {"ActContents", QStyle::SP_DialogHelpButton},
        {"ActAbout", QStyle::SP_MessageBoxInformation},
        {"ActCut", QStyle::SP_DialogDiscardButton},
        {"ActCopy", QStyle::SP_FileLinkIcon},
        {"ActPaste", QStyle::SP_DialogApplyButton},
        {"ActDelete", QStyle::SP_TrashIcon},
    };
    const auto it = icons.find(action);
    return it == icons.end() ? QIcon() : QApplication::style()->standardIcon(it->second);
}

} // namespace

TApplicationForm::TApplicationForm(QSettings& settings, ShellDialogs* dialogs, QWidget* parent)
    : QMainWindow(parent),
      settings_(settings),
      preferences_(settings),
      externalDialogs_(dialogs),
      ownDialogs_(dialogs ? nullptr : std::make_unique<MessageBoxDialogs>(this)),
      session_(dialogs ? *dialogs : *ownDialogs_, texts_),
      context_{session_.model(), texts_, {}, false},
      port_(std::make_unique<TCommPortDriverEx>()) {
    setObjectName("ApplicationForm");
    setMinimumSize(MinimumWidth, MinimumHeight);
    resize(900, 640);
    context_.markModified = [this] { session_.markModified(); };
    context_.treeStatesChanged = [this] { tree_->refresh(); };

    createActions();
    createMenus();
    createToolBars();
    createCentralArea();
    options_ = new TOptionForm(preferences_, texts_, programDirectory(), this);
    transfer_ = new TFormWRCPU(texts_, this);
    launcher_ = std::make_unique<QtDesktopLauncher>();
    audio_ = new TAudioForm(this);
    about_ = new TAboutForm(*launcher_, this);
    const QString stateDir = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QDir().mkpath(stateDir);
    simulator_ = std::make_unique<SimulatedDevice>(SimulatedDevice::findProgram(programDirectory()),
                                                   QDir(stateDir).filePath("simulated-device.state"));
    connect(options_, &TOptionForm::simulatedDeviceRequested, this, [this](QString* terminal) {
        QString error;
        *terminal = simulator_->terminal(&error);
        if (terminal->isEmpty()) this->dialogs().showError(error);
    });
    connectCommands();
    // Coming back to the program from another one rescans the ports and
    // reapplies the settings; the program's own dialogs closing does not.
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState state) {
        if (state == Qt::ApplicationActive && !QApplication::activeModalWidget() && isVisible())
            activate();
    });
    applyMenuTexts();
    session_.dialogDirectory = QDir::currentPath();
    updateTitle();
    refreshCurrentPage();
}

TApplicationForm::~TApplicationForm() {
    port_->close();
    recent_.save(preferences_, session_.fileName());
    preferences_.setWorkPath(session_.dialogDirectory);
    preferences_.sync();
}

QAction* TApplicationForm::action(const QString& name) const {
    const auto it = actions_.find(name);
    return it == actions_.end() ? nullptr : it->second;
}

void TApplicationForm::createActions() {
    for (const ActionSpec& entry : WindowActions()) {
        auto* act = new QAction(this);
        act->setObjectName(entry.name);
        act->setIcon(standardIcon(entry.name));
        if (entry.standardKey != QKeySequence::UnknownKey)
            act->setShortcuts(entry.standardKey);
        else if (entry.shortcut)
            act->setShortcut(QKeySequence(entry.shortcut));
        act->setCheckable(entry.checkable);
        actions_[entry.name] = act;
    }
    // Commands whose parts of the program come later stay disabled until then.
    for (const char* pending : {"ActUndo", "ActRedo", "ActCut", "ActCopy", "ActPaste", "ActDelete",
                                "ActPrint", "ActPrintSet", "ActContents", "ActHelp",
                                "ActAbout"})
        actions_[pending]->setEnabled(false);
}

void TApplicationForm::createMenus() {
    for (const MenuSpec& entry : WindowMenus()) {
        QMenu* menu = menuBar()->addMenu(QString());
        menu->setObjectName(entry.name);
        menus_[static_cast<int>(entry.id)] = menu;
    }
    for (const ActionSpec& entry : WindowActions()) {
        QMenu* menu = menus_[static_cast<int>(entry.menu)];
        if (entry.name == QString("ActExit")) recentSeparator_ = menu->addSeparator();
        menu->addAction(actions_[entry.name]);
    }
    // Export PDF… follows Print Preview in the File menu.
    auto* exportPdf = new QAction(QStringLiteral("Export PDF…"), this);
    exportPdf->setObjectName("ActExportPdf");
    actions_["ActExportPdf"] = exportPdf;
    QMenu* file = menus_[static_cast<int>(MenuId::File)];
    const QList<QAction*> fileActions = file->actions();
    const qsizetype preview = fileActions.indexOf(actions_["ActPrntPrev"]);
    file->insertAction(fileActions.value(preview + 1), exportPdf);
}

void TApplicationForm::createToolBars() {
    for (const ToolBarSpec& entry : WindowToolBars()) {
        QToolBar* bar = addToolBar(QString());
        bar->setObjectName(entry.name);
        bar->setIconSize(QSize(16, 16));
        toolBars_[static_cast<int>(entry.id)] = bar;
        QAction* toggle = actions_[entry.toggleName];
        toggle->setChecked(true);
        connect(toggle, &QAction::toggled, bar, &QToolBar::setVisible);
    }
    for (const ActionSpec& entry : WindowActions()) {
        if (entry.toolBar != ToolBarId::None)
            toolBars_[static_cast<int>(entry.toolBar)]->addAction(actions_[entry.name]);
    }
}

void TApplicationForm::createCentralArea() {
    auto* splitter = new QSplitter(this);
    splitter->setObjectName("Panel1");
    tree_ = new SettingsTreeView(context_, splitter);
    pages_ = new PageArea(context_, splitter);
    splitter->addWidget(tree_);
    splitter->addWidget(pages_);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({280, 620});
    setCentralWidget(splitter);

    portLine_ = new QLabel(this);
    portLine_->setObjectName("StatusPanel0");
    statusBar()->addWidget(portLine_, 1);
    statusBar()->setObjectName("StatusBar1");
    statusBar()->installEventFilter(this);
    portLine_->installEventFilter(this);

    connect(tree_, &SettingsTreeView::nodeSelected, this, [this](int index) {
        pages_->dispatch(SettingsTreeNodes()[static_cast<std::size_t>(index)]);
    });

    // Cut, Copy, Paste and Delete act on the focused delay field or phone
    // list; a page being filled turns them off.
    editCommands_ = new EditCommands({actions_["ActCut"], actions_["ActCopy"], actions_["ActPaste"],
                                      actions_["ActDelete"]},
                                     [this] { session_.markModified(); }, this);
    connect(tree_, &SettingsTreeView::nodeSelected, editCommands_, &EditCommands::disableCommands);
}

void TApplicationForm::connectCommands() {
    const std::pair<const char*, void (TApplicationForm::*)()> commands[] = {
        {"ActNew", &TApplicationForm::commandNew},       {"ActOpen", &TApplicationForm::commandOpen},
        {"ActSave", &TApplicationForm::commandSave},     {"ActSaveAs", &TApplicationForm::commandSaveAs},
        {"ActClose", &TApplicationForm::commandClose},   {"ActExit", &TApplicationForm::commandExit},
        {"ActRead", &TApplicationForm::commandRead},     {"ActWrite", &TApplicationForm::commandWrite},
        {"ActPrntPrev", &TApplicationForm::commandPrintPreview},
        {"ActExportPdf", &TApplicationForm::commandExportPdf},
    };
    for (const auto& [name, slot] : commands)
        connect(actions_[name], &QAction::triggered, this, slot);
    connect(actions_["ActSetting"], &QAction::triggered, this, [this] { commandSettings(false); });
    connect(actions_["ActLanguage"], &QAction::triggered, this, [this] { commandSettings(true); });
    connect(actions_["ActAbout"], &QAction::triggered, this, [this] { about_->exec(); });
    connect(actions_["ActContents"], &QAction::triggered, this, [this] {
        openHelpFile(*launcher_, QCoreApplication::applicationDirPath(), HelpFile::Contents);
    });
    connect(actions_["ActHelp"], &QAction::triggered, this, [this] {
        openHelpFile(*launcher_, QCoreApplication::applicationDirPath(), HelpFile::WhatsNew);
    });
}

void TApplicationForm::applyMenuTexts() {
    for (const ActionSpec& entry : WindowActions()) {
        QAction* act = actions_[entry.name];
        act->setText(uiText(texts_, entry.captionKey));
        act->setToolTip(entry.hintKey ? uiText(texts_, entry.hintKey) : act->text().remove('&'));
    }
    for (const MenuSpec& entry : WindowMenus()) {
        menus_[static_cast<int>(entry.id)]->setTitle(entry.captionKey ? uiText(texts_, entry.captionKey)
                                                                    : QString(entry.fixedCaption));
    }
}

// Applies the language chosen in the settings to every text of the window.
void TApplicationForm::applyLanguage() {
    auto languages = buildLanguageList(preferences_);
    const int position = selectedLanguagePosition(languages, preferences_.settingLanguage());
    texts_.applyLanguage(languageAt(languages, position), preferences_.registeredLanguageName());
    applyMenuTexts();
}

void TApplicationForm::activate() {
    refreshPorts();
    recent_.load(preferences_, [](const QString& path) { return QFileInfo::exists(path); });
    if (const auto workPath = preferences_.workPath(); workPath && !workPath->isEmpty())
        session_.dialogDirectory = *workPath;
    rebuildRecentMenu();
    applyLanguage();
    showPortLine();
    refreshCurrentPage();
}

QString TApplicationForm::programDirectory() const {
    return QDir(QCoreApplication::applicationDirPath()).absolutePath() + '/';
}

// The port list of the settings, the stored choice among it, and Read and
// Write available while there is a port to use.
void TApplicationForm::refreshPorts() {
    port_->ScanPorts();
    QStringList ports;
    for (int i = 1; i <= port_->CommCount(); ++i) ports << QString::fromStdString(port_->CommName(i));
    // A device named by its path (a USB adapter not listed, a pseudo-terminal) stays on offer.
    const QString stored = preferences_.cpuPort().value_or(QString());
    if (stored.startsWith('/') && QFileInfo::exists(stored) && !ports.contains(stored)) ports << stored;
    if (stored.isEmpty() || !ports.contains(stored, Qt::CaseInsensitive)) {
        // scripts/run asks for the simulated device when nothing else is chosen.
        if (qEnvironmentVariableIsSet("SKARVION_USE_SIMULATOR") && simulator_->available()) {
            const QString terminal = simulator_->terminal();
            if (!terminal.isEmpty()) {
                ports << terminal;
                preferences_.setCpuPort(terminal);
            }
        }
    }
    options_->setPorts(ports, simulator_->available());
    options_->loadStoredValues();
    const bool usable = !options_->selectedPort().isEmpty() || !ports.isEmpty();
    actions_["ActRead"]->setEnabled(usable);
    actions_["ActWrite"]->setEnabled(usable);
    applyPort();
}

void TApplicationForm::applyPort() {
    port_->applyPortName(options_->selectedPort().toStdString());
}

void TApplicationForm::showPortLine() {
    QString line = FromWindows1251(port_->statusLine(texts_.text("STATUSHEADER_1")));
    if (options_->selectedPort().isEmpty())
        line = uiText(texts_, "STATUSHEADER_1") + "no serial port chosen" +
               (simulator_->available() ? " (Settings offers a simulated device)" : "");
    portLine_->setText(line);
}

void TApplicationForm::commandSettings(bool languagePage) {
    const bool accepted =
        options_->execOnPage(languagePage ? TOptionForm::Page::Language : TOptionForm::Page::General);
    if (accepted) {
        applyPort();
        recent_.setMaxItems(options_->fileListLength());
        rebuildRecentMenu();
        session_.dialogDirectory = options_->workingDirectory();
        applyLanguage();
        refreshCurrentPage();
    }
    if (!languagePage) showPortLine();
}

void TApplicationForm::commandRead() {
    readImage_.fill(0);
    if (transfer_->read(session_.model(), readImage_, *port_) == TransferOutcome::Success) {
        tree_->refresh();
    }
    port_->close();
    refreshCurrentPage();
}

void TApplicationForm::commandWrite() {
    transfer_->write(session_.model(), WorkCode, *port_);
    port_->close();
}

// The printed report of the current project, captioned with the device model
// chosen in the settings.
ReportPages TApplicationForm::reportPages() const {
    const QString deviceType = preferences_.settingPlugin().value_or(QString());
    return LayOutReport({session_.model(), texts_, ToWindows1251(deviceType).value_or(Text())});
}

void TApplicationForm::commandPrintPreview() {
    ShowReportPreview(this, reportPages(), QFileInfo(session_.fileName()).fileName());
}

void TApplicationForm::commandExportPdf() {
    const QFileInfo project(session_.fileName());
    ExportReportPdf(this, reportPages(), project.fileName(),
                    QDir(session_.dialogDirectory).filePath(project.completeBaseName() + ".pdf"));
}


void TApplicationForm::closeEvent(QCloseEvent* event) {
    if (exiting_ || session_.closeQuery())
        event->accept();
    else
        event->ignore();
}

// A double-click on the status bar opens the audio parameters.
bool TApplicationForm::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick &&
        (watched == statusBar() || watched == portLine_)) {
        commandAudioParameters();
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void TApplicationForm::commandAudioParameters() {
    // The audio parameters are saved in the project, so a change must not go
    // unnoticed at the next New or Exit.
    if (editAudioParameters(*audio_, session_.model()).changed) session_.markModified();
}

void TApplicationForm::refreshCurrentPage() {
    const int selected = tree_->selectedNode();
    const auto& nodes = SettingsTreeNodes();
    pages_->dispatch(nodes[static_cast<std::size_t>(selected < 0 ? 0 : selected)]);
    tree_->refresh();
}

void TApplicationForm::updateTitle() {
    setWindowTitle(session_.windowTitle());
}

void TApplicationForm::rebuildRecentMenu() {
    QMenu* file = menus_[static_cast<int>(MenuId::File)];
    for (QAction* old : recentActions_) {
        file->removeAction(old);
        old->deleteLater();
    }
    recentActions_.clear();
    int number = 1;
    for (const QString& path : recent_.files()) {
        auto* act = new QAction(QString("&%1 %2").arg(number++).arg(QDir::toNativeSeparators(path)), this);
        connect(act, &QAction::triggered, this, [this, path] { openRecent(path); });
        file->insertAction(recentSeparator_, act);
        recentActions_.push_back(act);
    }
}

void TApplicationForm::afterProjectReplaced() {
    updateTitle();
    tree_->collapseToFirstLevel();
    tree_->selectNode(0);
    refreshCurrentPage();
}

void TApplicationForm::openFromCommandLine(const QString& path) {
    if (session_.openFromCommandLine(path)) afterProjectReplaced();
}

void TApplicationForm::commandNew() {
    if (session_.newProject()) afterProjectReplaced();
}

void TApplicationForm::commandOpen() {
    if (session_.open()) afterProjectReplaced();
}

void TApplicationForm::openRecent(const QString& path) {
    if (session_.openPath(path)) afterProjectReplaced();
}

void TApplicationForm::commandSave() {
    if (session_.save()) updateTitle();
}

void TApplicationForm::commandSaveAs() {
    if (session_.saveAs()) updateTitle();
}

void TApplicationForm::commandClose() {
    if (!session_.close()) return;
    tree_->collapseToFirstLevel();
    refreshCurrentPage();
}

void TApplicationForm::commandExit() {
    if (!session_.exit()) return;
    exiting_ = true;
    close();
}

} // namespace skarvion
