#include "editor/external_panel_page.h"

#include "dialogs/edit_let_ch.h"
#include "editor/external_panel_rules.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/phone_selector.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int AccountLength = 4;

const char* const dataSelectorNames[ExternalPanelPage::Phones] = {"CrowPhonCB", "CrowPhonCB2",
                                                                  "CrowPhonCB3"};
const char* const dataLabelNames[ExternalPanelPage::Phones] = {"CrowPhLabel", "CrowPhLabel2",
                                                               "CrowPhLabel3"};
const char* const smsComboNames[ExternalPanelPage::Phones] = {"Crowphoncb4", "crowphoncb5",
                                                              "crowphoncb6"};
const char* const smsLabelNames[ExternalPanelPage::Phones] = {"Crowphlabel4", "Crowphlabel5",
                                                              "Crowphlabel6"};

} // namespace

ExternalPanelPage::ExternalPanelPage(EditorContext& context)
    : EditorPage(context), heading_(HeadingLabel(QStringLiteral("HeadCrowLabel"), this)),
      accountLabel_(NamedControl<QLabel>(QStringLiteral("Label74"), this)),
      dataBox_(NamedControl<QCheckBox>(QStringLiteral("Cbcrdata"), this)),
      conditionPanel_(NamedControl<QWidget>(QStringLiteral("Panel80"), this)),
      andButton_(NamedControl<QRadioButton>(QStringLiteral("CRRadioButtonAND"), conditionPanel_)),
      orButton_(NamedControl<QRadioButton>(QStringLiteral("CRRadioButtonOR"), conditionPanel_)),
      smsBox_(NamedControl<QCheckBox>(QStringLiteral("Cbcrsms"), this)) {
    dataBox_->setText(QStringLiteral("DATA"));
    smsBox_->setText(QStringLiteral("SMS"));

    auto* accountRow = new QHBoxLayout;
    accountRow->addWidget(accountLabel_);
    for (int i = 0; i < AccountLength; ++i) {
        auto* field = NamedControl<TEditLetCh>(QStringLiteral("CRObj%1").arg(i + 1), this);
        field->setCharCount(1);
        field->setFixedWidth(24);
        field->setAlignment(Qt::AlignCenter);
        field->installEventFilter(this);
        account_[static_cast<std::size_t>(i)] = field;
        accountRow->addWidget(field);
        connect(field, &TEditLetCh::changed, this,
                [this, i](const QString& text) { onAccountEdited(i + 1, text); });
    }
    accountRow->addStretch(1);

    auto* condition = new QHBoxLayout(conditionPanel_);
    condition->setContentsMargins(0, 0, 0, 0);
    condition->addWidget(andButton_);
    condition->addWidget(orButton_);
    condition->addStretch(1);

    auto* grid = new QGridLayout;
    grid->addWidget(dataBox_, 0, 0);
    grid->addWidget(smsBox_, 0, 2);
    for (int i = 0; i < Phones; ++i) {
        const auto index = static_cast<std::size_t>(i);
        selectorLabels_[index] = NamedControl<QLabel>(dataLabelNames[i], this);
        selectors_[index] = NamedControl<PhoneSelector>(
            dataSelectorNames[i], this, PhoneSelectorRule{PhoneBookSize, i > 0, false});
        smsLabels_[index] = NamedControl<QLabel>(smsLabelNames[i], this);
        smsPhones_[index] = NamedControl<QComboBox>(smsComboNames[i], this);
        grid->addWidget(selectorLabels_[index], 1 + 2 * i, 0);
        grid->addWidget(selectors_[index], 2 + 2 * i, 0);
        grid->addWidget(smsLabels_[index], 1 + 2 * i, 2);
        grid->addWidget(smsPhones_[index], 2 + 2 * i, 2);
        connect(selectors_[index], &PhoneSelector::slotChosen, this,
                [this, i](int slot) { onPhoneChosen(i + 1, slot); });
    }
    grid->addWidget(conditionPanel_, 1 + 2 * Phones, 0);
    grid->setColumnMinimumWidth(1, 24);
    grid->setColumnStretch(3, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addLayout(accountRow);
    layout->addLayout(grid);
    layout->addStretch(1);

    connect(andButton_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on || this->context().model.CrowCondition == 0) return;
        EditModel(this->context(), [](ConfigurationModel& m) { m.CrowCondition = 0; });
    });
    connect(orButton_, &QRadioButton::toggled, this, [this](bool on) {
        if (!on || this->context().model.CrowCondition == 1) return;
        EditModel(this->context(), [](ConfigurationModel& m) { m.CrowCondition = 1; });
    });
    connect(dataBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (!EditModel(this->context(),
                       [on](ConfigurationModel& m) { m.CrowDataEnabled = on ? 1 : 0; }))
            return;
        PageUpdateGuard guard(this->context());
        // Switched off, the first selector shows its first item; switched on,
        // the selectors show the stored phones again.
        if (on)
            loadSelectors();
        else
            selectors_[0]->setCurrentIndex(0);
        showDataState();
    });
    connect(smsBox_, &QCheckBox::toggled, this, [this](bool on) {
        if (EditModel(this->context(),
                      [on](ConfigurationModel& m) { m.CrowSmsEnabled = on ? 1 : 0; }))
            showSmsState();
    });
}

void ExternalPanelPage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    const ConfigurationModel& m = context().model;
    heading_->setText(uiText(texts, "CAPTIONPAGECROWSET"));
    accountLabel_->setText(uiText(texts, "REP_CIDVAL1"));
    andButton_->setText(uiText(texts, "LblAnd"));
    orButton_->setText(uiText(texts, "LblOr"));
    for (int i = 0; i < Phones; ++i) {
        const QString caption = uiText(texts, "SMS_REP_PHON") + QStringLiteral(" %1").arg(i + 1);
        selectorLabels_[static_cast<std::size_t>(i)]->setText(caption);
        smsLabels_[static_cast<std::size_t>(i)]->setText(caption);
    }

    (m.CrowCondition == 1 ? orButton_ : andButton_)->setChecked(true);
    dataBox_->setChecked(m.CrowDataEnabled != 0);
    smsBox_->setChecked(m.CrowSmsEnabled != 0);
    loadSelectors();
    showDataState();
    showSmsState();
    for (int i = 0; i < AccountLength; ++i)
        account_[static_cast<std::size_t>(i)]->setText(CrowAccountCharacter(m, i + 1));
}

void ExternalPanelPage::loadSelectors() {
    ConfigurationModel& m = context().model;
    RepairCrowPhones(m);
    selectors_[0]->load(m, context().texts, m.CrowPhone1);
    for (int which = 2; which <= Phones; ++which) {
        PhoneRef shown = ShownCrowPhone(m, which);
        selectors_[static_cast<std::size_t>(which - 1)]->load(m, context().texts, shown);
    }
    showConditionState();
}

void ExternalPanelPage::showDataState() {
    const bool on = dataBox_->isChecked();
    for (int i = 0; i < Phones; ++i) {
        selectors_[static_cast<std::size_t>(i)]->setEnabled(on);
        selectorLabels_[static_cast<std::size_t>(i)]->setEnabled(on);
    }
}

void ExternalPanelPage::showSmsState() {
    const bool on = smsBox_->isChecked();
    for (int i = 0; i < Phones; ++i) {
        smsPhones_[static_cast<std::size_t>(i)]->setEnabled(on);
        smsLabels_[static_cast<std::size_t>(i)]->setEnabled(on);
    }
}

void ExternalPanelPage::showConditionState() {
    conditionPanel_->setEnabled(CrowConditionApplies(context().model));
}

void ExternalPanelPage::onPhoneChosen(int which, int slot) {
    ConfigurationModel& m = context().model;
    if (which == 1) {
        if (m.CrowPhone1 == slot) return;
        EditModel(context(), [slot](ConfigurationModel& model) {
            model.CrowPhone1 = static_cast<PhoneRef>(slot);
        });
        return;
    }
    if (ShownCrowPhone(m, which) == slot) return;
    if (EditModel(context(),
                  [=](ConfigurationModel& model) { SetCrowOptionalPhone(model, which, slot); }))
        showConditionState();
}

void ExternalPanelPage::onAccountEdited(int position, const QString& text) {
    const bool typed = keyTyped_;
    keyTyped_ = false;
    if (context().PageUpdating) return;
    const QString before = CrowAccountCharacter(context().model, position);
    const QString after = text.isEmpty() ? QStringLiteral("0") : text.left(1).toUpper();
    if (before != after)
        EditModel(context(),
                  [&](ConfigurationModel& m) { SetCrowAccountCharacter(m, position, text); });
    const bool moved = typed || before != after;
    if (moved && !text.isEmpty() && position < AccountLength)
        account_[static_cast<std::size_t>(position)]->setFocus();
}

// A character typed into an object number field moves on to the next field,
// even when it is the character the field held.
bool ExternalPanelPage::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyPress) {
        auto* field = qobject_cast<TEditLetCh*>(watched);
        const std::optional<QChar> typed = typedCharacter(*static_cast<QKeyEvent*>(event));
        keyTyped_ = field && typed && field->charString().contains(typed->toUpper());
    }
    return EditorPage::eventFilter(watched, event);
}

} // namespace skarvion
