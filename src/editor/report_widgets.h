#pragma once

// Pieces the report pages share: a report channel's box with the picture of
// its channel, and the OR/AND condition group.

#include "locale/language_texts.h"
#include "model/configuration_model.h"

#include <QWidget>

class QCheckBox;
class QLabel;
class QRadioButton;

namespace skarvion {

// One channel of a report page: its picture (the channel's tree icon, active
// or inactive) and its box.
struct ChannelBoxNames {
    const char* box;
    const char* caption;
    const char* picture; // null: the box has no picture
};

class ChannelBox : public QWidget {
    Q_OBJECT

  public:
    ChannelBox(const ChannelBoxNames& names, ReportMethod channel, QWidget* parent);

    QCheckBox* box() const { return box_; }
    ReportMethod channel() const { return channel_; }

    // Checks the box and shows the picture of a channel that is on or off.
    void showChannel(bool checked, bool on);

  signals:
    // The user ticked or cleared the box.
    void switched(bool on);

  private:
    ReportMethod channel_;
    QLabel* picture_ = nullptr;
    QCheckBox* box_;
};

struct ConditionGroupNames {
    const char* panel;
    const char* label;
    const char* orButton;
    const char* andButton;
};

// The condition panel: "Условие" with "ИЛИ" and "И".
class ConditionGroup : public QWidget {
    Q_OBJECT

  public:
    ConditionGroup(const ConditionGroupNames& names, QWidget* parent);

    QRadioButton* orButton() const { return or_; }
    QRadioButton* andButton() const { return and_; }

    // Captions from the texts; OR checked when `orChecked`, AND otherwise.
    void showCondition(const LanguageTexts& texts, bool orChecked, bool enabled);

  signals:
    // The user chose OR (true) or AND (false).
    void chosen(bool orChosen);

  private:
    QLabel* label_;
    QRadioButton* or_;
    QRadioButton* and_;
};

} // namespace skarvion
