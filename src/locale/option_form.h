#pragma once

// The settings dialog: recent-files length, working directory, the serial port
// of the CPU block (with its fixed line settings shown), and the language.

#include "locale/device_models.h"
#include "locale/language_info.h"
#include "locale/language_texts.h"
#include "locale/preferences.h"

#include <QDialog>

#include <vector>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QGroupBox;
class QPushButton;
class QTabWidget;

namespace skarvion {

class TEditLetNum;
class TUpDown;

class TOptionForm : public QDialog {
    Q_OBJECT

public:
    enum class Page { General = 0, Port = 1, Line = 2, Language = 3 };

    // Text of the port entry that starts the simulated device.
    static inline const QString SimulatedDevice = QStringLiteral("Simulated device");

    TOptionForm(Preferences& preferences, const LanguageTexts& texts,
                const QString& programDirectory, QWidget* parent = nullptr);
    ~TOptionForm() override;

    void applyTexts();

    // The ports to offer; the stored choice selects one of them and is stored
    // back (empty when it is not listed). A simulated-device entry may follow.
    void setPorts(const QStringList& ports, bool offerSimulatedDevice);
    QString selectedPort() const;

    // Shows the dialog on a page; true when it was closed with OK.
    bool execOnPage(Page page);

    int fileListLength() const;
    QString workingDirectory() const;
    LanguageInfo selectedLanguage() const;
    const DeviceModelList& deviceModels() const { return models_; }
    DeviceModelList& deviceModels() { return models_; }

    // Shown values loaded from the preferences, as when the dialog becomes active.
    void loadStoredValues();

signals:
    // The simulated-device entry was chosen; the receiver starts the simulator
    // and answers with the terminal it offers (empty when it could not start).
    void simulatedDeviceRequested(QString* terminal);

private:
    void buildGeneralPage();
    void buildPortPage();
    void buildLinePage();
    void buildLanguagePage();
    void fillLanguageSelector();
    void storeValues();
    void captureForCancel();
    void restoreCaptured();
    void showWorkingDirectory(const QString& path, bool isProgramDirectory);
    void onProgramDirectoryToggled(bool checked);
    void onBrowse();
    void onAddLanguage();
    void onPortChosen(int index);
    QString chooseFolder();

    Preferences& preferences_;
    const LanguageTexts& texts_;
    QString programDirectory_;
    QString workingDirectory_;
    QString savedDirectory_;
    DeviceModelList models_;
    std::vector<LanguageInfo> languages_;

    struct Captured {
        int fileListLength = 0;
        QString workingDirectory;
        bool programDirectory = false;
        int portIndex = -1;
        QString portText;
    } captured_;

    QTabWidget* pages_ = nullptr;
    TEditLetNum* fileListLength_ = nullptr;
    TUpDown* fileListUpDown_ = nullptr;
    QLabel* fileListLabel_ = nullptr;
    QGroupBox* workDirGroup_ = nullptr;
    QLineEdit* workDirEdit_ = nullptr;
    QCheckBox* programDirBox_ = nullptr;
    QPushButton* browseButton_ = nullptr;
    QLabel* portLabel_ = nullptr;
    QComboBox* portSelector_ = nullptr;
    QWidget* linePage_ = nullptr;
    QLabel* languageLabel_ = nullptr;
    QComboBox* languageSelector_ = nullptr;
    QGroupBox* addLanguageGroup_ = nullptr;
    QPushButton* addLanguageButton_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
};

} // namespace skarvion
