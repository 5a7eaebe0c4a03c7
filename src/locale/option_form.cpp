#include "locale/option_form.h"

#include "dialogs/edit_let_num.h"
#include "dialogs/up_down.h"
#include "locale/language_list.h"
#include "locale/stored_choices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int MinFileListLength = 1;
constexpr int MaxFileListLength = 10;

// A disabled group of radio buttons showing one fixed choice.
QGroupBox* fixedChoice(const QString& name, const QStringList& items, int checked) {
    auto* group = new QGroupBox;
    group->setObjectName(name);
    auto* layout = new QHBoxLayout(group);
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i]);
        button->setChecked(i == checked);
        layout->addWidget(button);
    }
    group->setEnabled(false);
    return group;
}

QComboBox* fixedList(const QString& name, const QStringList& items, int current) {
    auto* box = new QComboBox;
    box->setObjectName(name);
    box->addItems(items);
    box->setCurrentIndex(current);
    box->setEnabled(false);
    return box;
}

QString withoutTrailingSeparator(const QString& path) {
    return path.size() > 1 && (path.endsWith('/') || path.endsWith('\\')) ? path.chopped(1) : path;
}

} // namespace

TOptionForm::TOptionForm(Preferences& preferences, const LanguageTexts& texts,
                         const QString& programDirectory, QWidget* parent)
    : QDialog(parent), preferences_(preferences), texts_(texts), programDirectory_(programDirectory) {
    setObjectName("OptionForm");
    pages_ = new QTabWidget(this);
    pages_->setObjectName("PageControl1");
    buildGeneralPage();
    buildPortPage();
    buildLinePage();
    buildLanguagePage();

    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(QDialogButtonBox::Ok);
    okButton_->setObjectName("BitBtn1");
    cancelButton_ = buttons->addButton(QDialogButtonBox::Cancel);
    cancelButton_->setObjectName("BitBtn2");
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(pages_);
    layout->addWidget(buttons);

    models_ = buildDeviceModelList(preferences_);
    languages_ = buildLanguageList(preferences_);
    fillLanguageSelector();
    applyTexts();
}

TOptionForm::~TOptionForm() {
    storeValues();
}

void TOptionForm::buildGeneralPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet1");
    fileListLabel_ = new QLabel;
    fileListLabel_->setObjectName("Label4");
    fileListLength_ = new TEditLetNum;
    fileListLength_->setObjectName("EditLetNum1");
    fileListLength_->setNumberCount(2);
    fileListLength_->setMinNumber(MinFileListLength);
    fileListLength_->setMaxNumber(MaxFileListLength);
    fileListUpDown_ = new TUpDown;
    fileListUpDown_->setObjectName("UpDown1");
    fileListUpDown_->setAssociate(fileListLength_);

    workDirGroup_ = new QGroupBox;
    workDirGroup_->setObjectName("GroupBox7");
    workDirEdit_ = new QLineEdit;
    workDirEdit_->setObjectName("Edit3");
    workDirEdit_->setReadOnly(true);
    programDirBox_ = new QCheckBox;
    programDirBox_->setObjectName("CheckBox4");
    browseButton_ = new QPushButton("...");
    browseButton_->setObjectName("Button3");
    connect(programDirBox_, &QCheckBox::clicked, this, &TOptionForm::onProgramDirectoryToggled);
    connect(browseButton_, &QPushButton::clicked, this, &TOptionForm::onBrowse);

    auto* dirRow = new QHBoxLayout;
    dirRow->addWidget(workDirEdit_, 1);
    dirRow->addWidget(browseButton_);
    auto* groupLayout = new QVBoxLayout(workDirGroup_);
    groupLayout->addLayout(dirRow);
    groupLayout->addWidget(programDirBox_);

    auto* lengthRow = new QHBoxLayout;
    lengthRow->addWidget(fileListLabel_);
    lengthRow->addWidget(fileListLength_);
    lengthRow->addWidget(fileListUpDown_);
    lengthRow->addStretch();
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(lengthRow);
    layout->addWidget(workDirGroup_);
    layout->addStretch();
    pages_->addTab(page, QString());
}

void TOptionForm::buildPortPage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    portLabel_ = new QLabel;
    portLabel_->setObjectName("Label7");
    // Editable, so that a device the system does not list can be named by its path.
    portSelector_ = new QComboBox;
    portSelector_->setObjectName("ComboBox7");
    portSelector_->setEditable(true);
    portSelector_->setInsertPolicy(QComboBox::NoInsert);
    portSelector_->setMinimumContentsLength(24);
    connect(portSelector_, &QComboBox::activated, this, &TOptionForm::onPortChosen);
    auto* layout = new QFormLayout(page);
    layout->addRow(portLabel_, portSelector_);
    pages_->addTab(page, QString());
}

// The line settings of the CPU port are fixed; the page only shows them.
void TOptionForm::buildLinePage() {
    linePage_ = new QWidget;
    linePage_->setObjectName("TabSheet3");
    auto* layout = new QFormLayout(linePage_);
    layout->addRow("Baud Rate",
                   fixedList("ComboBox2",
                             {"110", "300", "1200", "2400", "4800", "9600", "19200", "38400",
                              "57600", "115200"},
                             5));
    layout->addRow("Data Bits", fixedChoice("RadioGroup1", {"5", "6", "7", "8"}, 3));
    layout->addRow("Parity",
                   fixedList("ComboBox3", {"None", "Even", "Odd", "MARKER (1)", "SPACE (0)"}, 0));
    layout->addRow("Stop Bits", fixedChoice("RadioGroup2", {"1", "1.5", "2"}, 0));
    layout->addRow("Hardware flow",
                   fixedChoice("RadioGroup3", {"None", "None but RTS on", "RTS/CTS"}, 1));
    layout->addRow("Software flow", fixedChoice("RadioGroup4", {"None", "XON\\XOFF"}, 0));
    layout->addRow("DTR Control", fixedChoice("RadioGroup5", {"Standart", "Keep Off"}, 0));
    auto* check = new QCheckBox("Device Check");
    check->setObjectName("CheckBox1");
    check->setEnabled(false);
    layout->addRow(check);
    pages_->addTab(linePage_, QString());
}

void TOptionForm::buildLanguagePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet5");
    languageLabel_ = new QLabel;
    languageLabel_->setObjectName("Label11");
    languageSelector_ = new QComboBox;
    languageSelector_->setObjectName("LangComboBox");
    // The choice is stored at once; it takes effect when OK applies the language.
    connect(languageSelector_, &QComboBox::activated, this, [this](int index) {
        preferences_.setSettingLanguage(languageAt(languages_, index).name);
    });
    addLanguageGroup_ = new QGroupBox;
    addLanguageGroup_->setObjectName("GroupBox9");
    addLanguageButton_ = new QPushButton("Add Language");
    addLanguageButton_->setObjectName("Button4");
    connect(addLanguageButton_, &QPushButton::clicked, this, &TOptionForm::onAddLanguage);
    auto* groupLayout = new QHBoxLayout(addLanguageGroup_);
    groupLayout->addWidget(addLanguageButton_);
    groupLayout->addStretch();

    auto* row = new QHBoxLayout;
    row->addWidget(languageLabel_);
    row->addWidget(languageSelector_, 1);
    auto* layout = new QVBoxLayout(page);
    layout->addLayout(row);
    layout->addWidget(addLanguageGroup_);
    layout->addStretch();
    pages_->addTab(page, QString());
}

void TOptionForm::applyTexts() {
    auto text = [this](const char* key) { return uiText(texts_, key); };
    setWindowTitle(text("F4_OPT_CAPTION"));
    pages_->setTabText(0, text("F4_OPT_L1_CAPTION"));
    pages_->setTabText(1, text("F4_OPT_L2_CAPTION"));
    pages_->setTabText(2, text("F4_OPT_L3_CAPTION"));
    pages_->setTabText(3, text("F4_OPT_L5_CAPTION"));
    fileListLabel_->setText(text("F4_OPT_L1_FILE_L"));
    workDirGroup_->setTitle(text("F4_OPT_L1_FILE_WD"));
    programDirBox_->setText(text("F4_OPT_L1_USE_PD"));
    portLabel_->setText(text("F4_OPT_L2_CPU_COM"));
    languageLabel_->setText(text("F4_OPT_L5_LANG"));
    addLanguageGroup_->setTitle(text("F4_OPT_L5_EX_S_L"));
}

void TOptionForm::fillLanguageSelector() {
    languageSelector_->clear();
    for (const LanguageInfo& language : languages_) languageSelector_->addItem(language.name);
    languageSelector_->setCurrentIndex(
        selectedLanguagePosition(languages_, preferences_.settingLanguage()));
}

void TOptionForm::loadStoredValues() {
    models_ = buildDeviceModelList(preferences_);
    if (const auto count = preferences_.fileCount()) fileListLength_->setNumber(*count);
    const WorkingDirectory dir = resolveWorkPath(preferences_, programDirectory_);
    showWorkingDirectory(dir.path, dir.isProgramDirectory);
}

void TOptionForm::setPorts(const QStringList& ports, bool offerSimulatedDevice) {
    portSelector_->clear();
    portSelector_->addItems(ports);
    const int index = resolveCpuPort(preferences_, ports);
    if (offerSimulatedDevice) portSelector_->addItem(SimulatedDevice);
    portSelector_->setCurrentIndex(index);
    if (index < 0) portSelector_->setEditText(QString());
}

QString TOptionForm::selectedPort() const {
    const QString text = portSelector_->currentText().trimmed();
    return text == SimulatedDevice ? QString() : text;
}

void TOptionForm::onPortChosen(int index) {
    if (portSelector_->itemText(index) != SimulatedDevice) return;
    QString terminal;
    emit simulatedDeviceRequested(&terminal);
    if (terminal.isEmpty()) {
        portSelector_->setEditText(QString());
        return;
    }
    portSelector_->insertItem(index, terminal);
    portSelector_->setCurrentIndex(index);
}

bool TOptionForm::execOnPage(Page page) {
    loadStoredValues();
    captureForCancel();
    applyTexts();
    pages_->setCurrentIndex(static_cast<int>(page));
    const bool accepted = exec() == QDialog::Accepted;
    if (!accepted) restoreCaptured();
    storeValues();
    return accepted;
}

int TOptionForm::fileListLength() const {
    return fileListLength_->number();
}

QString TOptionForm::workingDirectory() const {
    return workingDirectory_;
}

LanguageInfo TOptionForm::selectedLanguage() const {
    return languageAt(languages_, languageSelector_->currentIndex());
}

void TOptionForm::storeValues() {
    preferences_.setSettingPlugin(models_.selectedType);
    preferences_.setCpuPort(selectedPort());
    preferences_.setFileCount(fileListLength());
    preferences_.setWorkPath(workingDirectory_);
    preferences_.sync();
}

void TOptionForm::captureForCancel() {
    captured_ = {fileListLength(), workingDirectory_, programDirBox_->isChecked(),
                 portSelector_->currentIndex(), portSelector_->currentText()};
}

void TOptionForm::restoreCaptured() {
    fileListLength_->setNumber(captured_.fileListLength);
    showWorkingDirectory(captured_.workingDirectory, captured_.programDirectory);
    portSelector_->setCurrentIndex(captured_.portIndex);
    portSelector_->setEditText(captured_.portText);
}

void TOptionForm::showWorkingDirectory(const QString& path, bool isProgramDirectory) {
    workingDirectory_ = path;
    workDirEdit_->setText(QDir::toNativeSeparators(path));
    programDirBox_->setChecked(isProgramDirectory);
    QPalette palette = workDirEdit_->palette();
    palette.setColor(QPalette::Text, isProgramDirectory ? palette.color(QPalette::PlaceholderText)
                                                        : QWidget::palette().color(QPalette::Text));
    workDirEdit_->setPalette(palette);
}

void TOptionForm::onProgramDirectoryToggled(bool checked) {
    if (checked) {
        savedDirectory_ = workingDirectory_;
        showWorkingDirectory(programDirectory_, true);
        return;
    }
    if (!savedDirectory_.isEmpty() && savedDirectory_ != withoutTrailingSeparator(programDirectory_) &&
        savedDirectory_ != programDirectory_) {
        showWorkingDirectory(savedDirectory_, false);
        return;
    }
    const QString chosen = chooseFolder();
    if (chosen.isEmpty() || chosen == withoutTrailingSeparator(programDirectory_))
        showWorkingDirectory(programDirectory_, true);
    else
        showWorkingDirectory(chosen, false);
}

void TOptionForm::onBrowse() {
    const QString chosen = chooseFolder();
    if (chosen.isEmpty()) return;
    const bool isProgram =
        chosen.compare(withoutTrailingSeparator(programDirectory_), Qt::CaseInsensitive) == 0;
    showWorkingDirectory(isProgram ? programDirectory_ : chosen, isProgram);
}

QString TOptionForm::chooseFolder() {
    return QFileDialog::getExistingDirectory(this, "Destination Directory", workingDirectory_);
}

void TOptionForm::onAddLanguage() {
    const QString path = QFileDialog::getOpenFileName(this, QString(), shippedLanguageFolder(programDirectory_),
                                                      "Module Files (*.ini);;All Files (*)");
    if (path.isEmpty()) return;
    const int position = languageSelector_->currentIndex();
    if (!addLanguageFile(preferences_, languages_, path)) return;
    languages_ = buildLanguageList(preferences_);
    fillLanguageSelector();
    languageSelector_->setCurrentIndex(position < 0 ? 0 : position);
}

} // namespace skarvion
