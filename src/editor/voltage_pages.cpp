#include "editor/voltage_pages.h"

#include "dialogs/edit_let_ch.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/phone_asker.h"
#include "editor/phone_selector.h"
#include "editor/tree_icons.h"
#include "editor/voltage_rules.h"
#include "model/windows1251.h"
#include "summary/extension_list.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace skarvion {

namespace {

// A read-only field in a disabled panel, showing a fixed value.
QLineEdit* fixedField(const QString& name, const QString& text, QWidget* parent) {
    auto* field = NamedControl<QLineEdit>(name, parent);
    field->setReadOnly(true);
    field->setText(text);
    field->setFixedWidth(44);
    return field;
}

// A supply voltage shown in a character field of digits and the comma.
QLineEdit* voltageField(const QString& name, const char* volts, QWidget* parent) {
    auto* field = NamedControl<TEditLetCh>(name, parent);
    field->setCharString(QStringLiteral("1234567890,"));
    field->setCharCount(4);
    field->setReadOnly(true);
    field->setText(QString::fromLatin1(volts));
    field->setFixedWidth(44);
    return field;
}

// A Contact ID character shown in a one-character field.
TEditLetCh* codeField(const QString& name, QWidget* parent) {
    auto* field = NamedControl<TEditLetCh>(name, parent);
    field->setCharCount(1);
    field->setReadOnly(true);
    field->setFixedWidth(22);
    field->setAlignment(Qt::AlignCenter);
    return field;
}

// A disabled AND/OR choice that is not tied to the model.
QWidget* fixedCondition(QLabel* label, const char* orName, const char* andName, bool orChecked,
                        QWidget* parent) {
    auto* panel = new QWidget(parent);
    auto* row = new QHBoxLayout(panel);
    row->setContentsMargins(0, 0, 0, 0);
    label->setParent(panel);
    auto* orButton = NamedControl<QRadioButton>(QString::fromLatin1(orName), panel);
    auto* andButton = NamedControl<QRadioButton>(QString::fromLatin1(andName), panel);
    (orChecked ? orButton : andButton)->setChecked(true);
    row->addWidget(label);
    row->addWidget(orButton);
    row->addWidget(andButton);
    row->addStretch(1);
    panel->setEnabled(false);
    return panel;
}

void setConditionTexts(QWidget* panel, const LanguageTexts& texts, const char* orName,
                       const char* andName) {
    panel->findChild<QRadioButton*>(QString::fromLatin1(orName))->setText(uiText(texts, "LblOr"));
    panel->findChild<QRadioButton*>(QString::fromLatin1(andName))->setText(uiText(texts, "LblAnd"));
}

QPixmap channelPicture(Byte bit, bool on) {
    TreeIcon icon = TreeIcon::Sms;
    if (bit == MethodClip)
        icon = on ? TreeIcon::Clip : TreeIcon::ClipOff;
    else if (bit == MethodData)
        icon = on ? TreeIcon::Data : TreeIcon::DataOff;
    else
        icon = on ? TreeIcon::Sms : TreeIcon::SmsOff;
    return TreeIconImage(icon).pixmap(16, 16);
}

} // namespace

// Settings.

QLabel* VoltageSettingsPage::caption(const char* name, const char* key, QWidget* parent) {
    auto* label = NamedControl<QLabel>(QString::fromLatin1(name), parent);
    captions_.push_back({label, key});
    return label;
}

VoltageSettingsPage::VoltageSettingsPage(EditorContext& context) : EditorPage(context) {
    QLabel* heading = HeadingLabel(QStringLiteral("Label38"), this);
    captions_.push_back({heading, "TREEVL_TST_SET"});
    batteryBox_ = NamedControl<QCheckBox>(QStringLiteral("EnableDCTestCB"), this);
    mainsBox_ = NamedControl<QCheckBox>(QStringLiteral("EnableACTestCB"), this);
    notes_ = NamedControl<TExtensionList>(QStringLiteral("ExtensionList10"), this);

    const SupplyTestFigures& battery = FixedSupplyFigures(SupplyTest::Battery);
    const SupplyTestFigures& mains = FixedSupplyFigures(SupplyTest::Mains);
    auto* batteryPanel = new QWidget(this);
    auto* batteryGrid = new QGridLayout(batteryPanel);
    const struct {
        const char* label;
        const char* key;
        QLineEdit* field;
        const char* unit;
        const char* unitKey;
    } batteryRows[] = {
        {"ACAlarmVoltLabel", "VOLT_ALARM_VOLTAG",
         voltageField(QStringLiteral("EditLetCh5"), battery.alarmVoltage, batteryPanel),
         "VoltCRLabel1", "VOLT_VOLT_CR"},
        {"ACRestVoltLabel", "VOLT_REST_VOLTAG",
         voltageField(QStringLiteral("EditLetCh7"), battery.restoreVoltage, batteryPanel),
         "VoltCRLabel2", "VOLT_VOLT_CR"},
        {"DCALARMTIMELabel", "VOLT_ALARM_TIME",
         fixedField(QStringLiteral("Edit5"), QString::fromLatin1(battery.alarmDelay), batteryPanel),
         "VoltTimeCRLabel1", "VOLT_TIME_CR"},
        {"DCRestTIMELabel", "VOLT_REST_TIME",
         fixedField(QStringLiteral("Edit6"), QString::fromLatin1(battery.restoreDelay),
                    batteryPanel),
         "VoltTimeCRLabel2", "VOLT_TIME_CR"},
    };
    int row = 0;
    for (const auto& entry : batteryRows) {
        batteryGrid->addWidget(caption(entry.label, entry.key, batteryPanel), row, 0);
        batteryGrid->addWidget(entry.field, row, 1);
        batteryGrid->addWidget(caption(entry.unit, entry.unitKey, batteryPanel), row, 2);
        ++row;
    }
    batteryPanel->setEnabled(false);

    auto* mainsPanel = new QWidget(this);
    auto* mainsGrid = new QGridLayout(mainsPanel);
    const struct {
        const char* label;
        const char* key;
        const char* field;
        const char* value;
        const char* unit;
    } mainsRows[] = {
        {"ACALARMTIMELabel", "VOLT_ALARM_TIME", "Edit7", mains.alarmDelay, "VoltTimeCRLabel3"},
        {"ACRestTIMELabel", "VOLT_REST_TIME", "Edit8", mains.restoreDelay, "VoltTimeCRLabel4"},
    };
    row = 0;
    for (const auto& entry : mainsRows) {
        mainsGrid->addWidget(caption(entry.label, entry.key, mainsPanel), row, 0);
        mainsGrid->addWidget(fixedField(QString::fromLatin1(entry.field),
                                        QString::fromLatin1(entry.value), mainsPanel),
                             row, 1);
        mainsGrid->addWidget(caption(entry.unit, "VOLT_TIME_CR", mainsPanel), row, 2);
        ++row;
    }
    mainsPanel->setEnabled(false);

    auto* tests = new QGridLayout;
    tests->addWidget(caption("DCCaptLabel", "VOLTAGE_DC_SETCAP", this), 0, 0);
    tests->addWidget(caption("ACCaptLabel", "VOLTAGE_AC_SETCAP", this), 0, 1);
    tests->addWidget(batteryBox_, 1, 0);
    tests->addWidget(mainsBox_, 1, 1);
    tests->addWidget(batteryPanel, 2, 0, Qt::AlignTop);
    tests->addWidget(mainsPanel, 2, 1, Qt::AlignTop);
    tests->setColumnStretch(2, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(tests);
    layout->addWidget(notes_, 1);
    connect(batteryBox_, &QCheckBox::toggled, this, [this](bool on) { onTestChecked(true, on); });
    connect(mainsBox_, &QCheckBox::toggled, this, [this](bool on) { onTestChecked(false, on); });
}

void VoltageSettingsPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    for (const Caption& c : captions_)
        c.label->setText(uiText(texts, c.key));
    batteryBox_->setText(uiText(texts, "LIST_CAPT_ENTEST"));
    mainsBox_->setText(uiText(texts, "LIST_CAPT_ENTEST"));
    batteryBox_->setChecked(context().model.DcTestEnabled != 0);
    mainsBox_->setChecked(context().model.AcTestEnabled != 0);
    notes_->setLines({texts.text("LIST_DESCR_AC_DC_CPAGE")});
}

void VoltageSettingsPage::onTestChecked(bool battery, bool on) {
    const SupplyTest test = battery ? SupplyTest::Battery : SupplyTest::Mains;
    if (EditModel(context(), [&](ConfigurationModel& m) { SetSupplyTestEnabled(m, test, on); }))
        context().treeStatesChanged();
}

// Reports.

VoltageReportsPage::VoltageReportsPage(EditorContext& context)
    : EditorPage(context), heading_(HeadingLabel(QStringLiteral("VTReportCLabel"), this)),
      reportLabel_(NamedControl<QLabel>(QStringLiteral("LabelVTR1"), this)),
      priorityLabel_(NamedControl<QLabel>(QStringLiteral("LabelVTR2"), this)),
      conditionLabel_(NamedControl<QLabel>(QStringLiteral("LabelVTR3"), this)),
      dtmfBox_(NamedControl<QCheckBox>(QStringLiteral("AC_DC_CBox3"), this)),
      ask_(DialogPhoneAsker(this, context.texts)) {
    const struct {
        Byte bit;
        const char* box;
        const char* caption;
        const char* picture;
    } rows[] = {{MethodSms, "AC_DC_CBox4", "SMS", "TVoltImage3"},
                {MethodClip, "AC_DC_CBox1", "CLIP", "TVoltImage1"},
                {MethodData, "AC_DC_CBox2", "DATA", "TVoltImage2"}};
    auto* grid = new QGridLayout;
    grid->addWidget(reportLabel_, 0, 1);
    grid->addWidget(priorityLabel_, 0, 2, 1, 4);
    auto* priorities = new QWidget(this);
    auto* priorityGrid = new QGridLayout(priorities);
    priorityGrid->setContentsMargins(0, 0, 0, 0);
    constexpr int Rows = 4;
    for (int r = 0; r < Rows; ++r) {
        if (r < 3) {
            auto* box = NamedControl<QCheckBox>(QString::fromLatin1(rows[r].box), this);
            box->setText(QString::fromLatin1(rows[r].caption));
            auto* picture = NamedControl<QLabel>(QString::fromLatin1(rows[r].picture), this);
            channels_[static_cast<std::size_t>(r)] = {rows[r].bit, box, picture};
            grid->addWidget(picture, r + 1, 0);
            grid->addWidget(box, r + 1, 1);
        } else {
            dtmfBox_->setText(QStringLiteral("DTMF"));
            grid->addWidget(dtmfBox_, r + 1, 1);
        }
        // The priorities of the supply test reports are fixed in the device.
        for (int column = 0; column < Rows; ++column) {
            auto* fixed = new QCheckBox(priorities);
            fixed->setChecked(column == r);
            priorityGrid->addWidget(fixed, r, column);
        }
    }
    priorities->setEnabled(false);
    grid->addWidget(priorities, 1, 2, Rows, 4);
    grid->setColumnStretch(6, 1);
    channels_[1].box->setEnabled(false); // no control sets CLIP
    dtmfBox_->setEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(grid);
    layout->addWidget(
        fixedCondition(conditionLabel_, "RButtonVTR_OR", "RButtonVTR_AND", false, this));
    layout->addStretch(1);
    for (const Channel& channel : channels_) {
        if (channel.bit == MethodClip) continue;
        const Byte bit = channel.bit;
        connect(channel.box, &QCheckBox::toggled, this,
                [this, bit](bool checked) { onChannelChecked(bit, checked); });
    }
}

void VoltageReportsPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    heading_->setText(uiText(texts, "TREEVL_TST_REP"));
    reportLabel_->setText(uiText(texts, "RER_REPVAL1"));
    priorityLabel_->setText(uiText(texts, "LblPriority"));
    conditionLabel_->setText(uiText(texts, "LblCondition"));
    setConditionTexts(conditionLabel_->parentWidget(), texts, "RButtonVTR_OR", "RButtonVTR_AND");
    showChannels();
}

void VoltageReportsPage::showChannels() {
    for (const Channel& channel : channels_) {
        const bool on = (context().model.VoltMethods & channel.bit) != 0;
        channel.box->setChecked(on);
        channel.picture->setPixmap(channelPicture(channel.bit, on));
    }
}

void VoltageReportsPage::onChannelChecked(Byte bit, bool checked) {
    if (!EditModel(context(),
                   [&](ConfigurationModel& m) { SetVoltageChannel(m, bit, checked, ask_); }))
        return;
    {
        // A channel that got no phone shows unchecked again.
        PageUpdateGuard guard(context());
        showChannels();
    }
    context().treeStatesChanged();
}

// DATA and SMS.

const VoltageChannelSpec VoltageDataSpec{MethodData,
                                         "VoltDATALabelCap",
                                         "VOLT_DATA_CAPT",
                                         {"VT_DATACBox1", "VT_DATACBox2"},
                                         {"Label35", "Label36"},
                                         "VDATA_RDAC_CBox",
                                         "VDATA_RDDC_CBox",
                                         &ConfigurationModel::AcDataNoRestore,
                                         &ConfigurationModel::DcDataNoRestore};

const VoltageChannelSpec VoltageSmsSpec{MethodSms,
                                        "VoltSMSCaptLabel",
                                        "VOLT_SMS_CAPT",
                                        {"VoltSMSCBox1", "VoltSMSCBox2"},
                                        {"Label110", "Label111"},
                                        "VoltSMS_RMAC_CBox",
                                        "VoltSMS_RMDC_CBox",
                                        &ConfigurationModel::AcSmsNoRestore,
                                        &ConfigurationModel::DcSmsNoRestore};

VoltageChannelPage::VoltageChannelPage(EditorContext& context, const VoltageChannelSpec& entry)
    : EditorPage(context), spec_(entry),
      heading_(HeadingLabel(QString::fromLatin1(entry.headingName), this)),
      mainsBox_(NamedControl<QCheckBox>(QString::fromLatin1(entry.mainsBoxName), this)),
      batteryBox_(NamedControl<QCheckBox>(QString::fromLatin1(entry.batteryBoxName), this)),
      extras_(new QWidget(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    auto* phones = new QGridLayout;
    for (int i = 0; i < 2; ++i) {
        const auto index = static_cast<std::size_t>(i);
        labels_[index] = NamedControl<QLabel>(QString::fromLatin1(entry.labelNames[index]), this);
        selectors_[index] =
            NamedControl<PhoneSelector>(QString::fromLatin1(entry.selectorNames[index]), this,
                                        PhoneSelectorRule{PhoneBookSize, i > 0, false});
        phones->addWidget(labels_[index], 0, i);
        phones->addWidget(selectors_[index], 1, i);
        connect(selectors_[index], &PhoneSelector::slotChosen, this,
                [this, i](int slot) { onPhoneChosen(i + 1, slot); });
    }
    phones->setColumnStretch(2, 1);
    layout->addLayout(phones);
    layout->addWidget(mainsBox_);
    layout->addWidget(batteryBox_);
    layout->addWidget(extras_, 1);
    const std::pair<QCheckBox*, Flag ConfigurationModel::*> boxes[] = {
        {mainsBox_, entry.mainsNoRestore}, {batteryBox_, entry.batteryNoRestore}};
    for (const auto& [box, field] : boxes) {
        connect(box, &QCheckBox::toggled, this, [this, field = field](bool checked) {
            if (this->context().model.*field == (checked ? 1 : 0)) return;
            EditModel(this->context(), [&](ConfigurationModel& m) { m.*field = checked ? 1 : 0; });
        });
    }
}

void VoltageChannelPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    ConfigurationModel& m = context().model;
    heading_->setText(uiText(texts, spec_.headingKey));
    for (int i = 0; i < 2; ++i)
        labels_[static_cast<std::size_t>(i)]->setText(uiText(texts, "SMS_REP_PHON") +
                                                      QStringLiteral(" %1").arg(i + 1));
    mainsBox_->setText(uiText(texts, "VOLT_AC_DIS_RMES"));
    batteryBox_->setText(uiText(texts, "VOLT_DC_DIS_RMES"));
    CompactPhonePair(VoltagePhone(m, spec_.channel, 1), VoltagePhone(m, spec_.channel, 2));
    for (int which = 1; which <= 2; ++which)
        selector(which)->load(m, texts, VoltagePhone(m, spec_.channel, which));
    mainsBox_->setChecked(m.*spec_.mainsNoRestore != 0);
    batteryBox_->setChecked(m.*spec_.batteryNoRestore != 0);
}

void VoltageChannelPage::onPhoneChosen(int which, int slot) {
    if (VoltagePhone(context().model, spec_.channel, which) == slot) return;
    EditModel(context(), [&](ConfigurationModel& m) {
        VoltagePhone(m, spec_.channel, which) = static_cast<PhoneRef>(slot);
    });
}

VoltageDataPage::VoltageDataPage(EditorContext& context)
    : VoltageChannelPage(context, VoltageDataSpec),
      conditionLabel_(NamedControl<QLabel>(QStringLiteral("Label61"), extras())) {
    // Zone and partition have no field in the model: they show "0".
    const struct {
        const char* label;
        const char* key;
        const char* prefix;
        int count;
        Text ConfigurationModel::*source;
        std::size_t first;
    } rows[] = {
        {"VObjLabel", "REP_CIDVAL1", "VTstObject", 4, &ConfigurationModel::AccountNumber, 0},
        {"VZoneLabel", "REP_CIDVAL3", "VTstZone", 3, nullptr, 0},
        {"VPartLabel", "REP_CIDVAL4", "VTstPartion", 2, nullptr, 0},
        {"VDCCodeLabel", "VOLT_CODE_DC_TST", "VTstCodeDC", 3, &ConfigurationModel::DcEventCode, 4},
        {"VACCodeLabel", "VOLT_CODE_AC_TST", "VTstCodeAC", 3, &ConfigurationModel::AcEventCode, 0}};
    auto* panel = new QWidget(extras());
    auto* grid = new QGridLayout(panel);
    int column = 0;
    for (const auto& entry : rows) {
        CodeRow row{NamedControl<QLabel>(QString::fromLatin1(entry.label), panel),
                    entry.key,
                    entry.source,
                    entry.first,
                    {}};
        auto* fields = new QHBoxLayout;
        fields->setSpacing(2);
        for (int i = 1; i <= entry.count; ++i) {
            row.fields.push_back(
                codeField(QString::fromLatin1(entry.prefix) + QString::number(i), panel));
            fields->addWidget(row.fields.back());
        }
        fields->addStretch(1);
        grid->addWidget(row.label, 0, column);
        grid->addLayout(fields, 1, column);
        rows_.push_back(row);
        ++column;
    }
    panel->setEnabled(false);
    auto* layout = new QVBoxLayout(extras());
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(panel);
    layout->addWidget(
        fixedCondition(conditionLabel_, "RadioButton4", "RadioButton5", true, extras()));
    layout->addStretch(1);
}

void VoltageDataPage::fill() {
    VoltageChannelPage::fill();
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    const ConfigurationModel& m = context().model;
    conditionLabel_->setText(uiText(texts, "LblCondition"));
    setConditionTexts(conditionLabel_->parentWidget(), texts, "RadioButton4", "RadioButton5");
    for (const CodeRow& row : rows_) {
        row.label->setText(uiText(texts, row.key));
        for (std::size_t i = 0; i < row.fields.size(); ++i) {
            const std::size_t at = row.first + i;
            QString shown = QStringLiteral("0");
            if (row.source) {
                const Text& source = m.*row.source;
                shown = at < source.size() ? FromWindows1251(source.substr(at, 1)) : QString();
            }
            row.fields[i]->setText(shown);
        }
    }
}

VoltageSmsPage::VoltageSmsPage(EditorContext& context)
    : VoltageChannelPage(context, VoltageSmsSpec) {
    auto* grid = new QGridLayout(extras());
    grid->setContentsMargins(0, 0, 0, 0);
    for (int i = 0; i < SupplySmsTextCount; ++i) {
        const SupplySmsText& sms = SupplySmsTexts[i];
        memoLabels_[static_cast<std::size_t>(i)] =
            NamedControl<QLabel>(QString::fromLatin1(sms.labelName), extras());
        auto* memo = NamedControl<QPlainTextEdit>(QString::fromLatin1(sms.memoName), extras());
        memo->setReadOnly(true);
        memo->setPlainText(QString::fromLatin1(sms.text));
        memo->setFixedHeight(40);
        grid->addWidget(memoLabels_[static_cast<std::size_t>(i)], (i / 2) * 2, i % 2);
        grid->addWidget(memo, (i / 2) * 2 + 1, i % 2);
    }
    grid->setRowStretch(4, 1);
}

void VoltageSmsPage::fill() {
    VoltageChannelPage::fill();
    for (int i = 0; i < SupplySmsTextCount; ++i)
        memoLabels_[static_cast<std::size_t>(i)]->setText(
            uiText(context().texts, SupplySmsTexts[i].labelKey));
}

} // namespace skarvion
