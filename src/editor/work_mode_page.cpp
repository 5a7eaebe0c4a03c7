#include "editor/work_mode_page.h"

#include "dialogs/edit_let_num.h"
#include "dialogs/up_down.h"
#include "dialogs/validated_line_edit.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/tree_expansion.h"
#include "editor/work_mode_rules.h"
#include "model/model_operations.h"
#include "model/windows1251.h"
#include "summary/extension_list.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QRegularExpressionValidator>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int AccountDigits = 4;

// The note under the page: switching modes returns inputs and outputs to
// their defaults.
const char* const modeNotes[] = {
    "  Выберите режим работы. ",
    "  Внимание!  При изменении режима работы ",
    "  все настройки для входов и выходов",
    "  сбрасываются (принимают значения по умолчанию)",
};

QString dashed(const LanguageTexts& texts, const char* key) {
    return QStringLiteral("- ") + uiText(texts, key);
}

// Draws a control's text in the window text colour, or greyed.
void showGreyed(QWidget* widget, bool greyed) {
    QPalette palette = widget->parentWidget()->palette();
    for (QPalette::ColorRole role : {QPalette::Text, QPalette::WindowText}) {
        if (greyed) palette.setColor(role, palette.color(QPalette::Disabled, role));
    }
    widget->setPalette(palette);
}

} // namespace

WorkModePage::WorkModePage(EditorContext& context)
    : EditorPage(context), heading_(HeadingLabel(QStringLiteral("WorkModeCaptLabel"), this)),
      standaloneButton_(NamedControl<QRadioButton>(QStringLiteral("SKRModeRButton"), this)),
      panelButton_(NamedControl<QRadioButton>(QStringLiteral("CPModeRButton"), this)),
      panelBox_(NamedControl<QGroupBox>(QStringLiteral("CPModeGBox"), this)),
      entryLabel_(NamedControl<QLabel>(QStringLiteral("LabelTimeIn"), panelBox_)),
      exitLabel_(NamedControl<QLabel>(QStringLiteral("LabelTimeOut"), panelBox_)),
      entryUnit_(NamedControl<QLabel>(QStringLiteral("LabelTI10"), panelBox_)),
      exitUnit_(NamedControl<QLabel>(QStringLiteral("LabelTO10"), panelBox_)),
      entryField_(numberField(QStringLiteral("ENUmInTime"), 0, MaxEntryTime, 3)),
      entryUpDown_(upDown(QStringLiteral("UpDownInTime"), entryField_)),
      exitField_(numberField(QStringLiteral("ENUmOutTime"), MinExitTime, MaxExitTime, 3)),
      exitUpDown_(upDown(QStringLiteral("UpDownOutTime"), exitField_)),
      armingBox_(NamedControl<QGroupBox>(QStringLiteral("Gbpostan"), panelBox_)),
      armByInput_(NamedControl<QRadioButton>(QStringLiteral("Rbpost1"), armingBox_)),
      armByKey_(NamedControl<QRadioButton>(QStringLiteral("Rbpost2"), armingBox_)),
      sirenLabel_(NamedControl<QLabel>(QStringLiteral("Label42"), panelBox_)),
      minutesLabel_(NamedControl<QLabel>(QStringLiteral("LabelMin"), panelBox_)),
      secondsLabel_(NamedControl<QLabel>(QStringLiteral("LabelSec"), panelBox_)),
      minutesField_(numberField(QStringLiteral("EditMinCP"), 0, MaxSirenMinutes, 2)),
      minutesUpDown_(upDown(QStringLiteral("UpDownMinCP"), minutesField_)),
      secondsField_(numberField(QStringLiteral("EditSecCP"), 0, MaxSirenSeconds, 2)),
      secondsUpDown_(upDown(QStringLiteral("UpDownSecCP"), secondsField_)),
      accountLabel_(NamedControl<QLabel>(QStringLiteral("Lnomob"), this)),
      notes_(NamedControl<TExtensionList>(QStringLiteral("ExtensionList32"), this)) {
    auto* modes = new QButtonGroup(this);
    modes->addButton(standaloneButton_);
    modes->addButton(panelButton_);
    armingBox_->setTitle(QStringLiteral("Способ постановки "));
    armByInput_->setText(QStringLiteral("Вход 1 "));
    armByKey_->setText(QStringLiteral("Ключ ТМ"));
    accountLabel_->setText(QStringLiteral("Номер объекта:"));

    auto* arming = new QVBoxLayout(armingBox_);
    arming->addWidget(armByInput_);
    arming->addWidget(armByKey_);

    auto* grid = new QGridLayout(panelBox_);
    grid->addWidget(entryLabel_, 0, 0);
    grid->addWidget(entryField_, 0, 1);
    grid->addWidget(entryUpDown_, 0, 2);
    grid->addWidget(entryUnit_, 0, 3);
    grid->addWidget(exitLabel_, 1, 0);
    grid->addWidget(exitField_, 1, 1);
    grid->addWidget(exitUpDown_, 1, 2);
    grid->addWidget(exitUnit_, 1, 3);
    grid->addWidget(armingBox_, 0, 5, 2, 1);
    auto* siren = new QHBoxLayout;
    siren->addWidget(sirenLabel_);
    for (QWidget* w : std::initializer_list<QWidget*>{minutesLabel_, minutesField_, minutesUpDown_,
                                                      secondsLabel_, secondsField_, secondsUpDown_})
        siren->addWidget(w);
    siren->addStretch(1);
    grid->addLayout(siren, 2, 0, 1, 6);
    grid->setColumnStretch(4, 1);

    auto* accountRow = new QHBoxLayout;
    accountRow->addWidget(accountLabel_);
    for (int i = 0; i < AccountDigits; ++i) {
        auto* field = NamedControl<QLineEdit>(QStringLiteral("Ecid%1").arg(i + 1), this);
        field->setMaxLength(1);
        field->setFixedWidth(24);
        field->setAlignment(Qt::AlignCenter);
        field->setValidator(
            new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]?")), field));
        field->installEventFilter(this);
        account_[static_cast<std::size_t>(i)] = field;
        accountRow->addWidget(field);
        connect(field, &QLineEdit::textChanged, this,
                [this, i](const QString& text) { onAccountEdited(i + 1, text); });
    }
    accountRow->addStretch(1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(standaloneButton_);
    layout->addWidget(panelButton_);
    layout->addWidget(panelBox_);
    layout->addLayout(accountRow);
    layout->addWidget(notes_, 1);

    connect(standaloneButton_, &QRadioButton::toggled, this,
            [this](bool on) { onModeChosen(StandaloneMode, on); });
    connect(panelButton_, &QRadioButton::toggled, this,
            [this](bool on) { onModeChosen(ControlPanelMode, on); });
    connect(armByInput_, &QRadioButton::toggled, this,
            [this](bool on) { onArmingChosen(true, on); });
    connect(armByKey_, &QRadioButton::toggled, this,
            [this](bool on) { onArmingChosen(false, on); });
    connect(entryField_, &TEditLetNum::changed, this, [this](int n) {
        editNumber(n, this->context().model.EntryTime,
                   [n](ConfigurationModel& m) { SetEntryTime(m, n); });
    });
    connect(exitField_, &TEditLetNum::changed, this, [this](int n) {
        editNumber(n, this->context().model.ExitTime,
                   [n](ConfigurationModel& m) { SetExitTime(m, n); });
    });
    connect(minutesField_, &TEditLetNum::changed, this, [this](int n) {
        editNumber(n, this->context().model.SirenMinutes,
                   [n](ConfigurationModel& m) { SetSirenMinutes(m, n); });
    });
    connect(secondsField_, &TEditLetNum::changed, this, [this](int n) {
        editNumber(n, this->context().model.SirenSeconds,
                   [n](ConfigurationModel& m) { SetSirenSeconds(m, n); });
    });
}

TEditLetNum* WorkModePage::numberField(const QString& name, int lowest, int highest, int digits) {
    auto* field = NamedControl<TEditLetNum>(name, panelBox_);
    field->setNumberCount(digits);
    field->setMaxNumber(static_cast<unsigned>(highest));
    field->setMinNumber(static_cast<unsigned>(lowest));
    field->setFixedWidth(40);
    return field;
}

TUpDown* WorkModePage::upDown(const QString& name, TEditLetNum* field) {
    auto* arrows = NamedControl<TUpDown>(name, panelBox_);
    arrows->setAssociate(field);
    arrows->setFixedWidth(16);
    return arrows;
}

void WorkModePage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    const ConfigurationModel& m = context().model;
    heading_->setText(uiText(texts, "TREEWORK_MODE"));
    standaloneButton_->setText(dashed(texts, "CP_DOPPARAM_WMVAL1"));
    panelButton_->setText(dashed(texts, "CP_DOPPARAM_WMVAL2"));
    panelBox_->setTitle(QStringLiteral("  ") + uiText(texts, "CP_DOPPARAM_CAPT2") +
                        QStringLiteral("  "));
    entryLabel_->setText(uiText(texts, "CP_DOPPARAM_WMVAL3"));
    exitLabel_->setText(uiText(texts, "CP_DOPPARAM_WMVAL4"));
    entryUnit_->setText(uiText(texts, "CP_DOPPARAM_WMVAL5"));
    exitUnit_->setText(uiText(texts, "CP_DOPPARAM_WMVAL5"));
    sirenLabel_->setText(uiText(texts, "CP_DOPPARAM_WMVAL9") + QStringLiteral("  "));
    minutesLabel_->setText(uiText(texts, "CP_DOPPARAM_WMVAL7"));
    secondsLabel_->setText(uiText(texts, "CP_DOPPARAM_WMVAL8"));

    const bool panel = m.OperatingMode == ControlPanelMode;
    (panel ? panelButton_ : standaloneButton_)->setChecked(true);
    panelBox_->setVisible(panel);

    // While input 2 is a walk-through zone there is no entry delay to set.
    const bool entryApplies = EntryTimeApplies(m);
    entryField_->setNumber(ShownEntryTime(m));
    entryField_->setEnabled(entryApplies);
    entryUpDown_->setEnabled(entryApplies);
    exitField_->setNumber(m.ExitTime);
    minutesField_->setNumber(m.SirenMinutes);
    secondsField_->setNumber(m.SirenSeconds);
    for (QWidget* w : std::initializer_list<QWidget*>{minutesField_, secondsField_, minutesLabel_,
                                                      secondsLabel_})
        showGreyed(w, !m.SirenTimeEnabled);

    for (int i = 0; i < AccountDigits; ++i) {
        const auto index = static_cast<std::size_t>(i);
        account_[index]->setText(index < m.TestEventCode.size()
                                     ? FromWindows1251(m.TestEventCode.substr(index, 1))
                                     : QString());
    }
    (ArmingByInput1(m) ? armByInput_ : armByKey_)->setChecked(true);

    std::vector<std::string> notes;
    for (const char* note : modeNotes)
        notes.push_back(Utf8ToWindows1251(note).value_or(""));
    notes_->setLines(notes);
}

template <typename Change> void WorkModePage::editNumber(int shown, Byte current, Change change) {
    if (shown == current) return;
    if (!EditModel(context(), change)) return;
    // The rules may keep a different value (the siren time is never 0:00).
    PageUpdateGuard guard(context());
    if (secondsField_->number() != context().model.SirenSeconds)
        secondsField_->setNumber(context().model.SirenSeconds);
}

void WorkModePage::onModeChosen(Byte mode, bool checked) {
    if (!checked || context().model.OperatingMode == mode) return;
    if (!EditModel(context(), [mode](ConfigurationModel& m) { SetOperatingMode(m, mode); })) return;
    context().treeStatesChanged();
    if (mode == ControlPanelMode) {
        SetTreeBranchExpanded(this, KindWorkMode, 0, true);
        SetTreeBranchExpanded(this, KindReport, ArmingRecord, false);
    } else {
        SetTreeBranchExpanded(this, KindWorkMode, 0, false);
    }
    fill();
}

void WorkModePage::onArmingChosen(bool byInput1, bool checked) {
    if (!checked || ArmingByInput1(context().model) == byInput1) return;
    if (!EditModel(context(),
                   [byInput1](ConfigurationModel& m) { SetArmingByInput1(m, byInput1); }))
        return;
    context().treeStatesChanged();
}

void WorkModePage::onAccountEdited(int position, const QString& text) {
    if (text.isEmpty()) return;
    const char digit = static_cast<char>(text.front().toLatin1());
    if (!EditModel(context(),
                   [&](ConfigurationModel& m) { SetAccountCharacter(m, position, digit); }))
        return;
    if (position < AccountDigits) account_[static_cast<std::size_t>(position)]->setFocus();
}

// The account fields hold one digit each: a typed digit replaces it.
bool WorkModePage::eventFilter(QObject* watched, QEvent* event) {
    auto* field = qobject_cast<QLineEdit*>(watched);
    if (field && event->type() == QEvent::KeyPress) {
        const auto* key = static_cast<QKeyEvent*>(event);
        const std::optional<QChar> typed = typedCharacter(*key);
        if (typed && *typed != EnterKey) {
            if (!AccountKeyAccepted(*typed)) return true;
            if (*typed != BackspaceKey) field->clear();
        }
    }
    return EditorPage::eventFilter(watched, event);
}

} // namespace skarvion
