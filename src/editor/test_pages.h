#pragma once

// The pages of the periodic test, and the test information page shared with
// the GSM monitor: the test on or off with its summary, the period, the
// report channels, and the SMS and DATA phones.

#include "editor/asking_page.h"
#include "editor/test_rules.h"

#include <array>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;

namespace skarvion {

class ChannelBox;
class ConditionGroup;
class ContactIdFields;
class PhoneSelector;
class SmsMemo;
class TExtensionList;

// GSM test and periodic test nodes: the summary of the test and its box.
// The GSM test DATA node shows the page as it was last filled, and its box
// still acts on the test it shows.
class TestInformationPage : public EditorPage {
    Q_OBJECT

  public:
    explicit TestInformationPage(EditorContext& context);
    void fill() override;

    TExtensionList* summary() const { return summary_; }

  private:
    void show(TestBranch branch);
    void onTestChecked(bool checked);

    TExtensionList* summary_;
    QCheckBox* testCheck_;
    std::optional<TestBranch> shown_;
};

class TestTimePage : public EditorPage {
    Q_OBJECT

  public:
    explicit TestTimePage(EditorContext& context);
    void fill() override;

    QComboBox* box(int index) const { return boxes_.at(static_cast<std::size_t>(index)); }

  private:
    void onChosen(int box, int index);

    QLabel* label_;
    std::array<QLabel*, 3> boxLabels_{};
    std::array<QComboBox*, 3> boxes_{};
};

class PeriodicReportsPage : public AskingPage {
    Q_OBJECT

  public:
    explicit PeriodicReportsPage(EditorContext& context);
    void fill() override;

  private:
    void onChannelSwitched(ReportMethod channel, bool on);

    QLabel* label_;
    std::array<ChannelBox*, 3> channels_{}; // SMS, CLIP, DATA
    QCheckBox* dtmf_;
    ConditionGroup* condition_;
};

class PeriodicSmsPage : public EditorPage {
    Q_OBJECT

  public:
    explicit PeriodicSmsPage(EditorContext& context);
    void fill() override;

  private:
    QLabel* label_;
    QLabel* memoLabel_;
    SmsMemo* memo_;
    QLabel* phoneLabel_;
    PhoneSelector* phone_;
};

class PeriodicDataPage : public EditorPage {
    Q_OBJECT

  public:
    explicit PeriodicDataPage(EditorContext& context);
    void fill() override;

  private:
    QLabel* label_;
    std::array<QLabel*, 2> phoneLabels_{};
    std::array<PhoneSelector*, 2> phones_{};
    ContactIdFields* contactId_;
    ConditionGroup* condition_;
};

} // namespace skarvion
