#pragma once

// The pages of the GSM signal monitor: the signal level threshold, the
// reaction and lockout times, the report channels and the SMS report.

#include "editor/asking_page.h"

#include <array>

class QCheckBox;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QRadioButton;

namespace skarvion {

class ChannelBox;
class ConditionGroup;
class PhoneSelector;

class GsmSignalPage : public EditorPage {
    Q_OBJECT

  public:
    explicit GsmSignalPage(EditorContext& context);
    void fill() override;

  private:
    QLabel* label_;
    std::array<QRadioButton*, 4> levels_{};
};

class GsmTimePage : public EditorPage {
    Q_OBJECT

  public:
    explicit GsmTimePage(EditorContext& context);
    void fill() override;

    QComboBox* box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }

  private:
    QLabel* label_;
    std::array<QLabel*, 2> boxLabels_{};
    std::array<QComboBox*, 2> boxes_{};
};

class GsmReportsPage : public AskingPage {
    Q_OBJECT

  public:
    explicit GsmReportsPage(EditorContext& context);
    void fill() override;

  private:
    void onChannelSwitched(ReportMethod channel, bool on);

    QLabel* label_;
    std::array<ChannelBox*, 3> channels_{}; // CLIP, DATA, SMS
    QCheckBox* dtmf_;
    ConditionGroup* condition_;
};

class GsmSmsPage : public EditorPage {
    Q_OBJECT

  public:
    explicit GsmSmsPage(EditorContext& context);
    void fill() override;

  private:
    QLabel* label_;
    std::array<QLabel*, 2> memoLabels_{};
    std::array<QPlainTextEdit*, 2> memos_{};
    std::array<QLabel*, 2> phoneLabels_{};
    std::array<PhoneSelector*, 2> phones_{};
    QCheckBox* noRestoreBox_;
};

} // namespace skarvion
