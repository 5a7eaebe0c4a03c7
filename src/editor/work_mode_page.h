#pragma once

// The work mode page: standalone or control-panel mode, and in control-panel
// mode the entry and exit delays, the arming source and the siren time; the
// account digits below apply in both modes.

#include "editor/editor_page.h"

#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace skarvion {

class TEditLetNum;
class TExtensionList;
class TUpDown;

class WorkModePage : public EditorPage {
    Q_OBJECT

  public:
    explicit WorkModePage(EditorContext& context);
    void fill() override;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    TEditLetNum* numberField(const QString& name, int lowest, int highest, int digits);
    TUpDown* upDown(const QString& name, TEditLetNum* field);
    void onModeChosen(Byte mode, bool checked);
    void onArmingChosen(bool byInput1, bool checked);
    void onAccountEdited(int position, const QString& text);
    template <typename Change> void editNumber(int shown, Byte current, Change change);

    QLabel* heading_;
    QRadioButton* standaloneButton_;
    QRadioButton* panelButton_;
    QGroupBox* panelBox_;
    QLabel* entryLabel_;
    QLabel* exitLabel_;
    QLabel* entryUnit_;
    QLabel* exitUnit_;
    TEditLetNum* entryField_;
    TUpDown* entryUpDown_;
    TEditLetNum* exitField_;
    TUpDown* exitUpDown_;
    QGroupBox* armingBox_;
    QRadioButton* armByInput_;
    QRadioButton* armByKey_;
    QLabel* sirenLabel_;
    QLabel* minutesLabel_;
    QLabel* secondsLabel_;
    TEditLetNum* minutesField_;
    TUpDown* minutesUpDown_;
    TEditLetNum* secondsField_;
    TUpDown* secondsUpDown_;
    QLabel* accountLabel_;
    std::array<QLineEdit*, 4> account_{};
    TExtensionList* notes_;
};

} // namespace skarvion
