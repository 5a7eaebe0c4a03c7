#include "editor/gsm_pages.h"

#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/phone_book_rules.h"
#include "editor/phone_selector.h"
#include "editor/report_widgets.h"
#include "editor/test_rules.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

#include <string>

namespace skarvion {

namespace {

bool gsmNode(const NodeContext& node) {
    return TestBranchOf(node) == TestBranch::Gsm;
}

// The time boxes: 10 s steps, the stored value 1 standing for 10 s.
struct TimeBox {
    const char* name;
    const char* captionKey;
    int items;
    Byte ConfigurationModel::*field;
};
const TimeBox timeBoxes[2] = {
    {"GSMComboBox1", "LIST_TIME_VAL1", GsmLowTimeItems, &ConfigurationModel::GsmLowTime},
    {"GSMComboBox2", "LIST_TIME_VAL3", GsmNormalTimeItems, &ConfigurationModel::GsmNormalTime},
};

const ChannelBoxNames gsmChannelNames[3] = {
    {"CBoxRepGSM1", "CLIP", "RepGSMImage1"},
    {"CBoxRepGSM2", "DATA", "RepGSMImage2"},
    {"CBoxRepGSM4", "SMS", "RepGSMImage3"},
};
constexpr ReportMethod gsmChannels[3] = {MethodClip, MethodData, MethodSms};

struct GsmMemo {
    const char* name;
    const char* captionKey;
    const char* text;
};
const GsmMemo gsmMemos[2] = {
    {"Memo8", "SMS_REP_EVEN", GsmLowSignalText},
    {"Memo9", "SMS_REP_REST", GsmNormalSignalText},
};

} // namespace

// Signal level.

GsmSignalPage::GsmSignalPage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label37"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    for (int level = 1; level <= 4; ++level) {
        auto* button =
            NamedControl<QRadioButton>(QStringLiteral("GSMSignRButton%1").arg(level), this);
        levels_[static_cast<std::size_t>(level - 1)] = button;
        layout->addWidget(button);
        connect(button, &QRadioButton::clicked, this, [this, level] {
            if (!gsmNode(this->context().current)) return;
            EditModel(this->context(), [&](ConfigurationModel& m) {
                m.GsmSignalLevel = static_cast<std::int16_t>(level);
            });
        });
    }
    layout->addStretch(1);
}

void GsmSignalPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    label_->setText(uiText(texts, "LIST_CAPT_GSMLEVEL"));
    for (std::size_t i = 0; i < levels_.size(); ++i)
        levels_[i]->setText(uiText(texts, "LIST_GSMLEVEL_VAL" + std::to_string(i + 1)));
    setEnabled(gsmNode(context().current));
    const int level = GsmSignalLevelShown(context().model);
    levels_[static_cast<std::size_t>(level - 1)]->setChecked(true);
}

// Network time.

GsmTimePage::GsmTimePage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label22"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const auto at = static_cast<std::size_t>(i);
        boxLabels_[at] = new QLabel(this);
        boxes_[at] = NamedControl<QComboBox>(timeBoxes[i].name, this);
        grid->addWidget(boxLabels_[at], i, 0);
        grid->addWidget(boxes_[at], i, 1);
        connect(boxes_[at], &QComboBox::activated, this, [this, i](int index) {
            if (!gsmNode(this->context().current)) return;
            const TimeBox& entry = timeBoxes[i];
            EditModel(this->context(), [&](ConfigurationModel& m) {
                m.*entry.field = GsmTimeFromItem(index, entry.items);
            });
        });
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void GsmTimePage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    ConfigurationModel& m = context().model;
    label_->setText(uiText(texts, "LIST_CAPT_GSMTIME"));
    setEnabled(gsmNode(context().current));
    ClampGsmTimes(m);
    const QString seconds = uiText(texts, "LIST_TIME_VAL4");
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const TimeBox& entry = timeBoxes[i];
        boxLabels_[i]->setText(uiText(texts, entry.captionKey));
        QComboBox* box = boxes_[i];
        box->clear();
        for (int item = 1; item <= entry.items; ++item)
            box->addItem(QString::number(item * 10) + " " + seconds);
        box->setCurrentIndex(m.*entry.field - 1);
    }
}

// Reports.

GsmReportsPage::GsmReportsPage(EditorContext& context)
    : AskingPage(context), label_(HeadingLabel(QStringLiteral("Label91"), this)),
      dtmf_(NamedControl<QCheckBox>(QStringLiteral("CBoxRepGSM3"), this)),
      condition_(new ConditionGroup({"", "", "", ""}, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        const ReportMethod channel = gsmChannels[i];
        channels_[i] = new ChannelBox(gsmChannelNames[i], channel, this);
        layout->addWidget(channels_[i]);
        connect(channels_[i], &ChannelBox::switched, this,
                [this, channel](bool on) { onChannelSwitched(channel, on); });
        if (channel == MethodData) layout->addWidget(dtmf_);
    }
    dtmf_->setText(QStringLiteral("DTMF"));
    dtmf_->setEnabled(false);
    layout->addWidget(condition_);
    layout->addStretch(1);
}

void GsmReportsPage::fill() {
    PageUpdateGuard guard(context());
    const ConfigurationModel& m = context().model;
    label_->setText(uiText(context().texts, "TREEREPGSMTST"));
    const bool gsm = gsmNode(context().current);
    for (ChannelBox* channel : channels_) {
        const bool on = (m.GsmMethods & channel->channel()) != 0;
        const bool data = channel->channel() == MethodData;
        channel->showChannel(on && !(data && m.GsmDataIsDtmf), on);
        channel->box()->setEnabled(gsm && !data);
        if (data) dtmf_->setChecked(on && m.GsmDataIsDtmf);
    }
    condition_->showCondition(context().texts, false, false);
}

void GsmReportsPage::onChannelSwitched(ReportMethod channel, bool on) {
    if (!gsmNode(context().current)) return;
    if (!editAsking([&](ConfigurationModel& m) { SetGsmChannel(m, channel, on, phoneAsker()); }))
        return;
    context().treeStatesChanged();
    fill();
}

// SMS.

GsmSmsPage::GsmSmsPage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label53"), this)),
      noRestoreBox_(NamedControl<QCheckBox>(QStringLiteral("SMSCheckBox"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* memoGrid = new QGridLayout;
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        memoLabels_[i] = new QLabel(this);
        memos_[i] = NamedControl<QPlainTextEdit>(gsmMemos[i].name, this);
        memos_[i]->setReadOnly(true);
        memos_[i]->setFixedHeight(60);
        memoGrid->addWidget(memoLabels_[i], 0, static_cast<int>(i));
        memoGrid->addWidget(memos_[i], 1, static_cast<int>(i));
    }
    layout->addLayout(memoGrid);
    auto* phoneGrid = new QGridLayout;
    const char* names[2] = {"GSMSMSComboBox1", "GSMSMSComboBox2"};
    for (std::size_t i = 0; i < phones_.size(); ++i) {
        phoneLabels_[i] = new QLabel(this);
        // The GSM monitor's SMS phones are among entries 1..9.
        phones_[i] = NamedControl<PhoneSelector>(names[i], this,
                                                 PhoneSelectorRule{ShortPhoneList, i > 0, false});
        phoneGrid->addWidget(phoneLabels_[i], static_cast<int>(i), 0);
        phoneGrid->addWidget(phones_[i], static_cast<int>(i), 1);
        connect(phones_[i], &PhoneSelector::slotChosen, this, [this, i](int slot) {
            if (!gsmNode(this->context().current)) return;
            EditModel(this->context(), [&](ConfigurationModel& m) {
                (i == 0 ? m.GsmSmsPhone1 : m.GsmSmsPhone2) = static_cast<PhoneRef>(slot);
            });
        });
    }
    phoneGrid->setColumnStretch(2, 1);
    layout->addLayout(phoneGrid);
    layout->addWidget(noRestoreBox_);
    layout->addStretch(1);
    connect(noRestoreBox_, &QCheckBox::clicked, this, [this](bool checked) {
        if (!gsmNode(this->context().current)) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.GsmNoRestore = checked ? 1 : 0; });
    });
}

void GsmSmsPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    ConfigurationModel& m = context().model;
    label_->setText(uiText(texts, "LIST_CAPT_GSMSMS"));
    setEnabled(gsmNode(context().current));
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        memoLabels_[i]->setText(uiText(texts, gsmMemos[i].captionKey));
        memos_[i]->setPlainText(QString::fromLatin1(gsmMemos[i].text));
    }
    StoreGsmMonitorTexts(m);
    for (std::size_t i = 0; i < phones_.size(); ++i)
        phoneLabels_[i]->setText(uiText(texts, "SMS_REP_PHON") + " " + QString::number(i + 1));
    phones_[0]->load(m, texts, m.GsmSmsPhone1);
    phones_[1]->load(m, texts, m.GsmSmsPhone2);
    noRestoreBox_->setText(uiText(texts, "LIST_GSMSMS_VAL1"));
    noRestoreBox_->setChecked(m.GsmNoRestore != 0);
}

} // namespace skarvion
