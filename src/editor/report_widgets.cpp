#include "editor/report_widgets.h"

#include "editor/page_widgets.h"
#include "editor/tree_icons.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>

namespace skarvion {

namespace {

constexpr int PictureSize = 16;

TreeIcon channelIcon(ReportMethod channel, bool on) {
    switch (channel) {
    case MethodAlarm:
        return on ? TreeIcon::Alarm : TreeIcon::AlarmOff;
    case MethodSms:
        return on ? TreeIcon::Sms : TreeIcon::SmsOff;
    case MethodClip:
        return on ? TreeIcon::Clip : TreeIcon::ClipOff;
    case MethodData:
        break;
    }
    return on ? TreeIcon::Data : TreeIcon::DataOff;
}

} // namespace

ChannelBox::ChannelBox(const ChannelBoxNames& names, ReportMethod channel, QWidget* parent)
    : QWidget(parent), channel_(channel), box_(NamedControl<QCheckBox>(names.box, this)) {
    box_->setText(QString::fromLatin1(names.caption));
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    if (names.picture) {
        picture_ = NamedControl<QLabel>(names.picture, this);
        picture_->setFixedSize(PictureSize, PictureSize);
        layout->addWidget(picture_);
    }
    layout->addWidget(box_);
    layout->addStretch(1);
    connect(box_, &QCheckBox::clicked, this, &ChannelBox::switched);
}

void ChannelBox::showChannel(bool checked, bool on) {
    const QSignalBlocker quiet(box_);
    box_->setChecked(checked);
    if (picture_) picture_->setPixmap(TreeIconImage(channelIcon(channel_, on)).pixmap(PictureSize));
}

ConditionGroup::ConditionGroup(const ConditionGroupNames& names, QWidget* parent)
    : QWidget(parent), label_(NamedControl<QLabel>(names.label, this)),
      or_(NamedControl<QRadioButton>(names.orButton, this)),
      and_(NamedControl<QRadioButton>(names.andButton, this)) {
    setObjectName(names.panel);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(label_);
    layout->addWidget(or_);
    layout->addWidget(and_);
    layout->addStretch(1);
    connect(or_, &QRadioButton::clicked, this, [this] { emit chosen(true); });
    connect(and_, &QRadioButton::clicked, this, [this] { emit chosen(false); });
}

void ConditionGroup::showCondition(const LanguageTexts& texts, bool orChecked, bool enabled) {
    label_->setText(uiText(texts, "LblCondition"));
    or_->setText(uiText(texts, "LblOr"));
    and_->setText(uiText(texts, "LblAnd"));
    (orChecked ? or_ : and_)->setChecked(true);
    setEnabled(enabled);
}

} // namespace skarvion
