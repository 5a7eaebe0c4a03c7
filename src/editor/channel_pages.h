#pragma once

// The ALARM, SMS and DATA pages of an input record (1..4, and the arming
// record 5): the phones each channel uses, with the SMS texts and the
// Contact ID message.

#include "editor/editor_page.h"
#include "editor/phone_selector_rules.h"

#include <array>

class QCheckBox;
class QGridLayout;
class QLabel;
class QVBoxLayout;

namespace skarvion {

class ConditionGroup;
class ContactIdFields;
class PhoneSelector;
class SmsMemo;

// One of a page's three phones: its selector and the record's reference.
struct ChannelPhone {
    const char* selector;
    PhoneSelectorRule rule;
    PhoneRef& (*reference)(InputRecord&);
};

// What the three channel pages share: the heading and three labelled phone
// selectors over a record's references.
class InputChannelPage : public EditorPage {
    Q_OBJECT

  public:
    PhoneSelector* selector(int index) const {
        return selectors_.at(static_cast<std::size_t>(index));
    }

  protected:
    InputChannelPage(EditorContext& context, const char* headingName,
                     const std::array<ChannelPhone, 3>& phones);

    // The record of the current node, 0 when the node names none.
    int record();
    QVBoxLayout* pageLayout() const { return layout_; }
    QGridLayout* phoneGrid() const { return phoneGrid_; }
    QLabel* heading() const { return heading_; }

    // Labels and selectors loaded from record n (repairing the references).
    void loadPhones(int n);
    // After a chosen phone was written.
    virtual void phoneChosen(int /*index*/) {}

  private:
    const std::array<ChannelPhone, 3>& phones_;
    QVBoxLayout* layout_;
    QLabel* heading_;
    QGridLayout* phoneGrid_;
    std::array<QLabel*, 3> phoneLabels_{};
    std::array<PhoneSelector*, 3> selectors_{};
};

class AlarmChannelPage : public InputChannelPage {
    Q_OBJECT

  public:
    explicit AlarmChannelPage(EditorContext& context);
    void fill() override;

  protected:
    void phoneChosen(int index) override;

  private:
    void showCondition();

    ConditionGroup* condition_;
};

class SmsChannelPage : public InputChannelPage {
    Q_OBJECT

  public:
    explicit SmsChannelPage(EditorContext& context);
    void fill() override;

    SmsMemo* memo(int index) const { return memos_.at(static_cast<std::size_t>(index)); }

  private:
    std::array<QLabel*, 2> memoLabels_{};
    std::array<SmsMemo*, 2> memos_{};
    QCheckBox* restoreBox_;
    QCheckBox* russianBox_;
};

class DataChannelPage : public InputChannelPage {
    Q_OBJECT

  public:
    explicit DataChannelPage(EditorContext& context);
    void fill() override;

    ContactIdFields* contactId() const { return contactId_; }

  private:
    void onCharacterEdited(int index, const Text& text);

    ContactIdFields* contactId_;
    ConditionGroup* condition_;
    QCheckBox* noRestoreBox_;
};

} // namespace skarvion
