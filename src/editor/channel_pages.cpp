#include "editor/channel_pages.h"

#include "editor/channel_rules.h"
#include "editor/contact_id_fields.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/phone_book_rules.h"
#include "editor/phone_selector.h"
#include "editor/report_widgets.h"
#include "editor/sms_memo.h"
#include "model/windows1251.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr PhoneSelectorRule firstOf(int lastSlot) {
    return {lastSlot, false, false};
}
constexpr PhoneSelectorRule optionalOf(int lastSlot, bool keepUnlisted = false) {
    return {lastSlot, true, keepUnlisted};
}

// ALARM lists entries 1..9 and keeps a second or third phone it cannot list.
const std::array<ChannelPhone, 3> alarmPhones{{
    {"ALARMComboBox", firstOf(ShortPhoneList),
     [](InputRecord& r) -> PhoneRef& { return r.AlarmPhones[0]; }},
    {"ALARMComboBox2", optionalOf(ShortPhoneList, true),
     [](InputRecord& r) -> PhoneRef& { return r.AlarmPhones[1]; }},
    {"ALARMComboBox3", optionalOf(ShortPhoneList, true),
     [](InputRecord& r) -> PhoneRef& { return r.AlarmPhones[2]; }},
}};

const std::array<ChannelPhone, 3> smsPhones{{
    {"SMSComboBox1", firstOf(PhoneBookSize),
     [](InputRecord& r) -> PhoneRef& { return r.SmsPhones[0]; }},
    {"SMSComboBox2", optionalOf(PhoneBookSize),
     [](InputRecord& r) -> PhoneRef& { return r.SmsPhones[1]; }},
    {"SMSComboBox3", optionalOf(PhoneBookSize),
     [](InputRecord& r) -> PhoneRef& { return r.SmsPhones[2]; }},
}};

const std::array<ChannelPhone, 3> dataPhones{{
    {"DATAComboBox", firstOf(PhoneBookSize),
     [](InputRecord& r) -> PhoneRef& { return r.DataPhone1; }},
    {"DATAComboBox2", optionalOf(PhoneBookSize),
     [](InputRecord& r) -> PhoneRef& { return r.DataPhone2; }},
    {"DATAComboBox3", optionalOf(PhoneBookSize),
     [](InputRecord& r) -> PhoneRef& { return r.DataPhone3; }},
}};

const std::array<const char*, 4> dataFieldPrefixes{"DATAObj", "DATACode", "DATAZone", "DATAPart"};

// The SMS memos: on alarm and on restore (arming and disarming for record 5).
struct SmsMemoSpec {
    const char* name;
    const char* captionKey;
    const char* armingCaptionKey;
    Text InputRecord::*text;
};
const SmsMemoSpec smsMemos[2] = {
    {"Memo1", "SMS_REP_EVEN", "SMS_REP_EVEN2", &InputRecord::AlarmText},
    {"Memo2", "SMS_REP_REST", "SMS_REP_REST2", &InputRecord::RestoreText},
};

const char* restoreBoxKey(int record) {
    return record == ArmingRecord ? "REP_CIDVAL5P" : "REP_CIDVAL5";
}

} // namespace

// Shared part.

InputChannelPage::InputChannelPage(EditorContext& context, const char* headingName,
                                   const std::array<ChannelPhone, 3>& phones)
    : EditorPage(context), phones_(phones), layout_(new QVBoxLayout(this)),
      heading_(HeadingLabel(headingName, this)), phoneGrid_(new QGridLayout) {
    layout_->addWidget(heading_);
    for (std::size_t i = 0; i < phones.size(); ++i) {
        phoneLabels_[i] = new QLabel(this);
        selectors_[i] = NamedControl<PhoneSelector>(phones[i].selector, this, phones[i].rule);
        phoneGrid_->addWidget(phoneLabels_[i], static_cast<int>(i), 0);
        phoneGrid_->addWidget(selectors_[i], static_cast<int>(i), 1);
        connect(selectors_[i], &PhoneSelector::slotChosen, this, [this, i](int slot) {
            const int n = record();
            if (n == 0) return;
            if (EditModel(this->context(), [&](ConfigurationModel& m) {
                    phones_[i].reference(m.input(n)) = static_cast<PhoneRef>(slot);
                }))
                phoneChosen(static_cast<int>(i));
        });
    }
    phoneGrid_->setColumnStretch(2, 1);
}

int InputChannelPage::record() {
    const int n = context().current.input;
    return n >= 1 && n <= InputCount ? n : 0;
}

void InputChannelPage::loadPhones(int n) {
    for (std::size_t i = 0; i < selectors_.size(); ++i) {
        phoneLabels_[i]->setText(uiText(context().texts, "SMS_REP_PHON") + " " +
                                 QString::number(i + 1));
        selectors_[i]->setEnabled(n != 0);
        PhoneRef none = 0;
        selectors_[i]->load(context().model, context().texts,
                            n != 0 ? phones_[i].reference(context().model.input(n)) : none);
    }
}

// ALARM.

AlarmChannelPage::AlarmChannelPage(EditorContext& context)
    : InputChannelPage(context, "ALARMOutLabel", alarmPhones),
      condition_(new ConditionGroup({"PanelAL_AND_OR", "Label88", "RBInALARM_OR", "RBInALARM_AND"},
                                    this)) {
    pageLayout()->addLayout(phoneGrid());
    pageLayout()->addWidget(condition_);
    pageLayout()->addStretch(1);
    connect(condition_, &ConditionGroup::chosen, this, [this](bool orChosen) {
        const int n = record();
        if (n == 0) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.input(n).AlarmCondition = orChosen ? 1 : 0; });
    });
}

void AlarmChannelPage::fill() {
    PageUpdateGuard guard(context());
    const int n = record();
    heading()->setText(FromWindows1251(
        ChannelPageHeading(context().texts, "CAPTIONPAGEALARMSET", n, ArmingAlarmHeading)));
    loadPhones(n);
    showCondition();
}

void AlarmChannelPage::showCondition() {
    const int n = record();
    const bool applies = n != 0 && AlarmConditionApplies(context().model.input(n));
    condition_->showCondition(context().texts,
                              n != 0 && context().model.input(n).AlarmCondition == 1, applies);
}

void AlarmChannelPage::phoneChosen(int index) {
    if (index == 0) return;
    PageUpdateGuard guard(context());
    showCondition();
}

// SMS.

SmsChannelPage::SmsChannelPage(EditorContext& context)
    : InputChannelPage(context, "SMSTextLabel", smsPhones),
      restoreBox_(NamedControl<QCheckBox>(QStringLiteral("SMSCBox"), this)),
      russianBox_(NamedControl<QCheckBox>(QStringLiteral("Cbrus"), this)) {
    auto* memoGrid = new QGridLayout;
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        memoLabels_[i] = new QLabel(this);
        memos_[i] = NamedControl<SmsMemo>(smsMemos[i].name, this, SmsTextKind::Plain);
        memos_[i]->setFixedHeight(60);
        memoGrid->addWidget(memoLabels_[i], 0, static_cast<int>(i));
        memoGrid->addWidget(memos_[i], 1, static_cast<int>(i));
        Text InputRecord::*field = smsMemos[i].text;
        connect(memos_[i], &SmsMemo::textEdited, this, [this, field](const Text& text) {
            const int n = record();
            if (n == 0) return;
            EditModel(this->context(), [&](ConfigurationModel& m) { m.input(n).*field = text; });
        });
    }
    pageLayout()->addLayout(memoGrid);
    pageLayout()->addLayout(phoneGrid());
    pageLayout()->addWidget(restoreBox_);
    russianBox_->setText(QString::fromUtf8("Русский"));
    pageLayout()->addWidget(russianBox_);
    pageLayout()->addStretch(1);

    // The box blocks the restore report; the record keeps the opposite.
    connect(restoreBox_, &QCheckBox::clicked, this, [this](bool checked) {
        const int n = record();
        if (n == 0) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.input(n).SmsNoRestore = checked ? 0 : 1; });
    });
    connect(russianBox_, &QCheckBox::clicked, this, [this](bool checked) {
        if (record() != ArmingRecord) return;
        if (EditModel(this->context(),
                      [&](ConfigurationModel& m) { SetArmingTextsRussian(m, checked); }))
            fill();
    });
}

void SmsChannelPage::fill() {
    PageUpdateGuard guard(context());
    const int n = record();
    const LanguageTexts& texts = context().texts;
    heading()->setText(
        FromWindows1251(ChannelPageHeading(texts, "CAPTIONPAGESMSTEXT", n, ArmingSmsHeading)));
    loadPhones(n);
    const bool arming = n == ArmingRecord;
    for (std::size_t i = 0; i < memos_.size(); ++i) {
        memoLabels_[i]->setText(
            uiText(texts, arming ? smsMemos[i].armingCaptionKey : smsMemos[i].captionKey));
        memos_[i]->setEnabled(n != 0);
        memos_[i]->setStoredText(n != 0 ? context().model.input(n).*smsMemos[i].text : Text{});
    }
    restoreBox_->setText(uiText(texts, restoreBoxKey(n)));
    restoreBox_->setEnabled(n != 0);
    restoreBox_->setChecked(n != 0 && context().model.input(n).SmsNoRestore == 0);
    russianBox_->setVisible(arming);
    russianBox_->setChecked(arming && context().model.arm().RussianTexts == 1);
}

// DATA.

DataChannelPage::DataChannelPage(EditorContext& context)
    : InputChannelPage(context, "DATAOutLabel", dataPhones),
      contactId_(new ContactIdFields(dataFieldPrefixes, this)),
      condition_(
          new ConditionGroup({"Panel88", "Label85", "RButton_DAT_OR", "RButton_DAT_AND"}, this)),
      noRestoreBox_(NamedControl<QCheckBox>(QStringLiteral("InpDATACBox"), this)) {
    pageLayout()->addWidget(contactId_);
    pageLayout()->addLayout(phoneGrid());
    pageLayout()->addWidget(condition_);
    pageLayout()->addWidget(noRestoreBox_);
    pageLayout()->addStretch(1);
    selector(2)->setEnabled(false);
    connect(contactId_, &ContactIdFields::characterEdited, this,
            &DataChannelPage::onCharacterEdited);
    connect(noRestoreBox_, &QCheckBox::clicked, this, [this](bool checked) {
        const int n = record();
        if (n == 0) return;
        EditModel(this->context(),
                  [&](ConfigurationModel& m) { m.input(n).DataNoRestore = checked ? 1 : 0; });
    });
}

void DataChannelPage::fill() {
    PageUpdateGuard guard(context());
    const int n = record();
    const LanguageTexts& texts = context().texts;
    heading()->setText(
        FromWindows1251(ChannelPageHeading(texts, "CAPTIONPAGEDATASET", n, ArmingDataHeading)));
    loadPhones(n);
    selector(2)->setEnabled(false);
    const bool physical = n != 0 && n != ArmingRecord;
    contactId_->showCode(texts, n != 0 ? context().model.input(n).EventCode : Text{});
    contactId_->setEnabled(physical);
    condition_->showCondition(texts, n != 0 && context().model.input(n).DataCondition == 1, false);
    noRestoreBox_->setText(uiText(texts, restoreBoxKey(n)));
    noRestoreBox_->setEnabled(physical);
    noRestoreBox_->setChecked(n != 0 && context().model.input(n).DataNoRestore != 0);
}

void DataChannelPage::onCharacterEdited(int index, const Text& text) {
    const int n = record();
    if (n == 0) return;
    if (EditModel(this->context(), [&](ConfigurationModel& m) {
            SetEventCodeCharacter(m.input(n).EventCode, index, text);
        }))
        contactId_->focusAfter(index);
}

} // namespace skarvion
