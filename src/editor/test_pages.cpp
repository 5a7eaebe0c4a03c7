#include "editor/test_pages.h"

#include "editor/contact_id_fields.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/phone_selector.h"
#include "editor/report_widgets.h"
#include "editor/sms_memo.h"
#include "model/windows1251.h"
#include "summary/extension_list.h"
#include "summary/summary_context.h"
#include "summary/summary_generators.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include <string>

namespace skarvion {

namespace {

bool periodicNode(const NodeContext& node) {
    return TestBranchOf(node) == TestBranch::Periodic;
}

// A language text filled with the periodic test's name: "CLIP настройки Периодический тест".
QString periodicHeading(const LanguageTexts& texts, const char* key) {
    return FromWindows1251(FillFormat(texts.text(key), texts.text("CAPTIONPAGESMSTEXTEx2")));
}

// The period boxes: days, hours and tens of minutes, each item's index its value.
struct PeriodBox {
    const char* name;
    const char* captionKey;
    const char* itemKeyPrefix;
    int items;
    Byte ConfigurationModel::*field;
};
const PeriodBox periodBoxes[3] = {
    {"TestComboBox1", "REP_INP_TS_DPRM1", "REP_PRTSDAY", TestDayItems,
     &ConfigurationModel::TestDays},
    {"TestComboBox2", "REP_INP_TS_DPRM2", "REP_PRTSHOUR", TestHourItems,
     &ConfigurationModel::TestHours},
    {"TestComboBox3", "REP_INP_TS_DPRM3", "REP_PRTSMIN", TestMinuteItems,
     &ConfigurationModel::TestMinutes},
};

const ChannelBoxNames periodicChannelNames[3] = {
    {"RepPerCButton1", "SMS", "PerRepImage1"},
    {"RepPerCButton2", "CLIP", "PerRepImage2"},
    {"RepPerCButton3", "DATA", "PerRepImage3"},
};
constexpr ReportMethod periodicChannels[3] = {MethodSms, MethodClip, MethodData};

const std::array<const char*, 4> periodicFieldPrefixes{"PerDATAObj", "PerDATACod", "PerDATAZone",
                                                       "PerDATAPrt"};

} // namespace

// Test information.

TestInformationPage::TestInformationPage(EditorContext& context)
    : EditorPage(context),
      summary_(NamedControl<TExtensionList>(QStringLiteral("ExtensionList8"), this)),
      testCheck_(NamedControl<QCheckBox>(QStringLiteral("TestCheck"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(testCheck_);
    layout->addWidget(summary_, 1);
    testCheck_->setEnabled(false);
    connect(testCheck_, &QCheckBox::clicked, this, &TestInformationPage::onTestChecked);
}

void TestInformationPage::fill() {
    const int kind = context().current.kind;
    if (kind == KindGsmTest) show(TestBranch::Gsm);
    if (kind == KindPeriodicTest) show(TestBranch::Periodic);
}

void TestInformationPage::show(TestBranch branch) {
    PageUpdateGuard guard(context());
    ConfigurationModel& m = context().model;
    summary_->setLines(branch == TestBranch::Gsm ? GsmTestSummary(m, context().texts)
                                                 : PeriodicTestSummary(m, context().texts));
    testCheck_->setText(uiText(context().texts, "LIST_CAPT_ENTEST"));
    testCheck_->setEnabled(true);
    testCheck_->setChecked(TestBranchEnabled(m, branch));
    shown_ = branch;
}

void TestInformationPage::onTestChecked(bool checked) {
    if (!shown_) return;
    const TestBranch branch = *shown_;
    if (!EditModel(context(),
                   [&](ConfigurationModel& m) { SetTestBranchEnabled(m, branch, checked); }))
        return;
    context().treeStatesChanged();
    show(branch);
}

// Period.

TestTimePage::TestTimePage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label23"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* grid = new QGridLayout;
    for (int i = 0; i < 3; ++i) {
        const auto at = static_cast<std::size_t>(i);
        boxLabels_[at] = new QLabel(this);
        boxes_[at] = NamedControl<QComboBox>(periodBoxes[i].name, this);
        grid->addWidget(boxLabels_[at], 0, i);
        grid->addWidget(boxes_[at], 1, i);
        connect(boxes_[at], &QComboBox::activated, this,
                [this, i](int index) { onChosen(i, index); });
    }
    grid->setColumnStretch(3, 1);
    layout->addLayout(grid);
    layout->addStretch(1);
}

void TestTimePage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    ConfigurationModel& m = context().model;
    label_->setText(periodicHeading(texts, "TREETIME"));
    const bool periodic = periodicNode(context().current);
    if (periodic) NormaliseTestPeriod(m);
    for (std::size_t i = 0; i < boxes_.size(); ++i) {
        const PeriodBox& entry = periodBoxes[i];
        boxLabels_[i]->setText(uiText(texts, entry.captionKey));
        QComboBox* box = boxes_[i];
        box->clear();
        for (int item = 0; item < entry.items; ++item)
            box->addItem(uiText(texts, entry.itemKeyPrefix + std::to_string(item)));
        // A stored value past the last item shows no item.
        const int value = m.*entry.field;
        box->setCurrentIndex(value < entry.items ? value : -1);
        box->setEnabled(periodic && m.TestEnabled);
    }
}

void TestTimePage::onChosen(int box, int index) {
    if (!periodicNode(context().current) || index < 0) return;
    if (EditModel(context(), [&](ConfigurationModel& m) {
            m.*periodBoxes[box].field = static_cast<Byte>(index);
        }))
        fill();
}

// Periodic reports.

PeriodicReportsPage::PeriodicReportsPage(EditorContext& context)
    : AskingPage(context), label_(HeadingLabel(QStringLiteral("Label58"), this)),
      dtmf_(NamedControl<QCheckBox>(QStringLiteral("CheckBox2"), this)),
      condition_(new ConditionGroup({"", "", "PerRBOrCheck", "PerRBAndCheck"}, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        const ReportMethod channel = periodicChannels[i];
        channels_[i] = new ChannelBox(periodicChannelNames[i], channel, this);
        layout->addWidget(channels_[i]);
        connect(channels_[i], &ChannelBox::switched, this,
                [this, channel](bool on) { onChannelSwitched(channel, on); });
    }
    channels_[0]->box()->setEnabled(false); // the periodic test sends no SMS
    dtmf_->setText(QStringLiteral("DTMF"));
    dtmf_->setEnabled(false);
    layout->addWidget(dtmf_);
    layout->addWidget(condition_);
    layout->addStretch(1);
}

void PeriodicReportsPage::fill() {
    PageUpdateGuard guard(context());
    const ConfigurationModel& m = context().model;
    label_->setText(uiText(context().texts, "TREEREPPERTST"));
    const bool periodic = periodicNode(context().current);
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        const bool on = (m.TestMethods & periodicChannels[i]) != 0;
        channels_[i]->showChannel(on, on);
        if (i > 0) channels_[i]->box()->setEnabled(periodic);
    }
    condition_->showCondition(context().texts, m.TestCondition == 1, false);
}

void PeriodicReportsPage::onChannelSwitched(ReportMethod channel, bool on) {
    if (!periodicNode(context().current)) return;
    if (!editAsking(
            [&](ConfigurationModel& m) { SetPeriodicChannel(m, channel, on, phoneAsker()); }))
        return;
    context().treeStatesChanged();
    fill();
}

// Periodic SMS.

PeriodicSmsPage::PeriodicSmsPage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("RepSMSCapt"), this)),
      memoLabel_(new QLabel(this)),
      memo_(NamedControl<SmsMemo>(QStringLiteral("PerSMSMemo"), this, SmsTextKind::Gsm)),
      phoneLabel_(new QLabel(this)),
      phone_(NamedControl<PhoneSelector>(QStringLiteral("PerSMSPhCBox"), this,
                                         PhoneSelectorRule{PhoneBookSize, false, false})) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(memoLabel_);
    memo_->setFixedHeight(60);
    layout->addWidget(memo_);
    layout->addWidget(phoneLabel_);
    layout->addWidget(phone_);
    layout->addStretch(1);
    connect(memo_, &SmsMemo::textEdited, this, [this](const Text& text) {
        if (!periodicNode(this->context().current)) return;
        EditModel(this->context(), [&](ConfigurationModel& m) { m.TestSmsText = text; });
    });
    connect(phone_, &PhoneSelector::slotChosen, this, [this](int slot) {
        if (!periodicNode(this->context().current)) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.TestSmsPhones[0] = static_cast<PhoneRef>(slot); });
    });
}

void PeriodicSmsPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    ConfigurationModel& m = context().model;
    label_->setText(periodicHeading(texts, "CAPTIONPAGESMSTEXT"));
    memoLabel_->setText(uiText(texts, "SMS_REP_EVEN"));
    phoneLabel_->setText(uiText(texts, "SMS_REP_PHON"));
    setEnabled(periodicNode(context().current));
    memo_->setStoredText(m.TestSmsText);
    phone_->load(m, texts, m.TestSmsPhones[0]);
}

// Periodic DATA.

PeriodicDataPage::PeriodicDataPage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label65"), this)),
      contactId_(new ContactIdFields(periodicFieldPrefixes, this)),
      condition_(new ConditionGroup({"", "", "PT_OR_RButton", "PT_AND_RButton"}, this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* grid = new QGridLayout;
    const char* names[2] = {"PerDATAPhCBox", "PerDATAPhCBox2"};
    for (std::size_t i = 0; i < phones_.size(); ++i) {
        phoneLabels_[i] = new QLabel(this);
        phones_[i] = NamedControl<PhoneSelector>(names[i], this,
                                                 PhoneSelectorRule{PhoneBookSize, i > 0, false});
        grid->addWidget(phoneLabels_[i], static_cast<int>(i), 0);
        grid->addWidget(phones_[i], static_cast<int>(i), 1);
        connect(phones_[i], &PhoneSelector::slotChosen, this, [this, i](int slot) {
            if (!periodicNode(this->context().current)) return;
            EditModel(this->context(), [&](ConfigurationModel& m) {
                (i == 0 ? m.TestDataPhone1 : m.TestDataPhone2) = static_cast<PhoneRef>(slot);
            });
        });
    }
    grid->setColumnStretch(2, 1);
    layout->addLayout(grid);
    // The periodic test's Contact ID message is fixed by the account.
    contactId_->setEnabled(false);
    layout->addWidget(contactId_);
    layout->addWidget(condition_);
    layout->addStretch(1);
}

void PeriodicDataPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    ConfigurationModel& m = context().model;
    label_->setText(periodicHeading(texts, "CAPTIONPAGEDATASET"));
    const bool periodic = periodicNode(context().current);
    for (std::size_t i = 0; i < phones_.size(); ++i) {
        phoneLabels_[i]->setText(uiText(texts, "SMS_REP_PHON") + " " + QString::number(i + 1));
        phones_[i]->setEnabled(periodic);
    }
    phones_[0]->load(m, texts, m.TestDataPhone1);
    phones_[1]->load(m, texts, m.TestDataPhone2);
    if (UsedPhoneCount(m) == 0) m.TestDataPhone3 = 0;
    contactId_->showCode(texts, m.TestEventCode);
    condition_->showCondition(texts, m.TestCondition == 1, false);
}

} // namespace skarvion
