#include "editor/report_page.h"

#include "editor/channel_rules.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/report_rules.h"
#include "editor/report_widgets.h"
#include "model/windows1251.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace skarvion {

namespace {

// In the order of the priority rows.
const ChannelBoxNames channelNames[] = {
    {"ReportCButton1", "DATA", "RepImage1"},
    {"ReportCButton3", "CLIP", "RepImage2"},
    {"ReportCButton4", "ALARM", "RepImage3"},
    {"ReportCButton5", "SMS", "RepImage4"},
};

} // namespace

InputReportPage::InputReportPage(EditorContext& context)
    : AskingPage(context), label_(HeadingLabel(QStringLiteral("Label49"), this)),
      dtmf_(NamedControl<QCheckBox>(QStringLiteral("ReportCButton2"), this)),
      condition_(
          new ConditionGroup({"Panel81", "Label78", "RButtonORInput", "RButtonANDInput"}, this)),
      priorityLabel_(NamedControl<QLabel>(QStringLiteral("Label80"), this)),
      confirmation_(NamedControl<QCheckBox>(QStringLiteral("Cbconf"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    for (std::size_t row = 0; row < channels_.size(); ++row) {
        const ReportMethod channel = PriorityRows[row];
        channels_[row] = new ChannelBox(channelNames[row], channel, this);
        layout->addWidget(channels_[row]);
        connect(channels_[row], &ChannelBox::switched, this,
                [this, channel](bool on) { onChannelSwitched(channel, on); });
        if (channel == MethodData) layout->addWidget(dtmf_);
    }
    dtmf_->setText(QStringLiteral("DTMF"));
    dtmf_->setEnabled(false);
    layout->addWidget(condition_);
    connect(condition_, &ConditionGroup::chosen, this, [this](bool orChosen) {
        const int n = record();
        if (n == 0) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.input(n).ReportCondition = orChosen ? 1 : 0; });
    });

    // The priorities are shown only.
    auto* grid = new QGridLayout;
    grid->addWidget(priorityLabel_, 0, 1, 1, 4);
    auto* header = NamedControl<QLabel>(QStringLiteral("Label79"), this);
    header->setText(QString::fromUtf8("Способ отправки"));
    grid->addWidget(header, 1, 0);
    for (int row = 0; row < 4; ++row) {
        grid->addWidget(new QLabel(QString::fromLatin1(channelNames[row].caption), this), row + 2,
                        0);
        for (int column = 0; column < 4; ++column) {
            auto* box = NamedControl<QCheckBox>(
                QStringLiteral("PRCheckBox%1%2").arg(row + 1).arg(column + 1), this);
            box->setEnabled(false);
            if (row == 0)
                grid->addWidget(new QLabel(QString::number(column + 1), this), 1, column + 1);
            grid->addWidget(box, row + 2, column + 1);
            priorityBoxes_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = box;
        }
    }
    grid->setColumnStretch(5, 1);
    layout->addLayout(grid);

    confirmation_->setText(QString::fromUtf8("Подтверждение доставки отчета о постановке "));
    layout->addWidget(confirmation_);
    connect(confirmation_, &QCheckBox::clicked, this, [this](bool checked) {
        if (record() != ArmingRecord) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.arm().OutputLink = checked ? 1 : 0; });
    });
    layout->addStretch(1);
}

int InputReportPage::record() {
    const int n = context().current.input;
    return n >= 1 && n <= InputCount ? n : 0;
}

void InputReportPage::fill() {
    PageUpdateGuard guard(context());
    const int n = record();
    const LanguageTexts& texts = context().texts;
    label_->setText(n == ArmingRecord ? FromWindows1251(ArmingReportHeading)
                                      : NumberedText(texts, "LIST_CAPT_REPTYPE", n));
    priorityLabel_->setText(uiText(texts, "LblPriority"));
    confirmation_->setVisible(n == ArmingRecord);
    setEnabled(n != 0);
    if (n == 0) return;

    InputRecord& rec = context().model.input(n);
    confirmation_->setChecked(rec.OutputLink != 0);
    for (ChannelBox* channel : channels_) {
        const bool on = (rec.ReportMethods & channel->channel()) != 0;
        const bool asDtmf = channel->channel() == MethodData && rec.DataIsDtmf;
        channel->showChannel(on && !asDtmf, on);
        if (channel->channel() == MethodData) dtmf_->setChecked(on && asDtmf);
    }
    condition_->showCondition(texts, rec.ReportCondition != 0, ReportConditionApplies(rec));
    rec.Priorities = NormalisedPriorities(rec.Priorities);
    showPriorities(rec.Priorities);
}

void InputReportPage::showPriorities(const std::array<Byte, 4>& priorities) {
    for (std::size_t row = 0; row < priorities.size(); ++row)
        for (std::size_t column = 0; column < 4; ++column)
            priorityBoxes_[row][column]->setChecked(priorities[row] == column + 1);
}

void InputReportPage::onChannelSwitched(ReportMethod channel, bool on) {
    const int n = record();
    if (n == 0) return;
    if (!editAsking(
            [&](ConfigurationModel& m) { SetReportChannel(m, n, channel, on, phoneAsker()); }))
        return;
    context().treeStatesChanged();
    fill();
}

} // namespace skarvion
