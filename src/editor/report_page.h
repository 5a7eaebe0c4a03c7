#pragma once

// The report page of an input (1..4) and of the arming record (5): which
// channels report, the condition between CLIP and DATA, the priorities, and
// for the arming record the delivery confirmation.

#include "editor/asking_page.h"

#include <array>

class QCheckBox;
class QLabel;

namespace skarvion {

class ChannelBox;
class ConditionGroup;

class InputReportPage : public AskingPage {
    Q_OBJECT

  public:
    explicit InputReportPage(EditorContext& context);
    void fill() override;

  private:
    int record();
    void onChannelSwitched(ReportMethod channel, bool on);
    void showPriorities(const std::array<Byte, 4>& priorities);

    QLabel* label_;
    std::array<ChannelBox*, 4> channels_{}; // DATA, CLIP, ALARM, SMS
    QCheckBox* dtmf_;
    ConditionGroup* condition_;
    QLabel* priorityLabel_;
    std::array<std::array<QCheckBox*, 4>, 4> priorityBoxes_{};
    QCheckBox* confirmation_;
};

} // namespace skarvion
