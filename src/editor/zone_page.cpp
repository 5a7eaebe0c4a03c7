#include "editor/zone_page.h"

#include "dialogs/edit_let_num.h"
#include "dialogs/up_down.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "editor/zone_rules.h"
#include "model/model_operations.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QLabel>
#include <QRadioButton>
#include <QVBoxLayout>

namespace skarvion {

namespace {

const char* const zoneCaptionKeys[ZoneTypeCount] = {"CP_DOPPARAM_WMVAL10", "CP_DOPPARAM_WMVAL11",
                                                    "CP_DOPPARAM_WMVAL12", "CP_DOPPARAM_WMVAL13"};

QString dashed(const LanguageTexts& texts, const char* key) {
    return QStringLiteral("- ") + uiText(texts, key);
}

} // namespace

ZonePage::ZonePage(EditorContext& context)
    : EditorPage(context), heading_(HeadingLabel(QStringLiteral("CaptDopLabel"), this)),
      typeLabel_(NamedControl<QLabel>(QStringLiteral("Label40"), this)),
      armingButton_(NamedControl<QRadioButton>(QStringLiteral("RBtypez0"), this)),
      swingerLabel_(NamedControl<QLabel>(QStringLiteral("SwingerLabel"), this)),
      swingerField_(NamedControl<TEditLetNum>(QStringLiteral("ENumSwinger"), this)),
      swingerUpDown_(NamedControl<TUpDown>(QStringLiteral("UpDownSwinger"), this)) {
    typeLabel_->setText(QStringLiteral("Тип зоны:"));
    swingerField_->setNumberCount(3);
    swingerField_->setMaxNumber(MaxSwingerCount);
    swingerField_->setMinNumber(MinSwingerCount);
    swingerField_->setFixedWidth(40);
    swingerUpDown_->setAssociate(swingerField_);
    swingerUpDown_->setFixedWidth(16);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(typeLabel_);
    auto* group = new QButtonGroup(this);
    group->addButton(armingButton_);
    layout->addWidget(armingButton_);
    for (int type = 0; type < ZoneTypeCount; ++type) {
        auto* button = NamedControl<QRadioButton>(QStringLiteral("RBtypez%1").arg(type + 1), this);
        typeButtons_[static_cast<std::size_t>(type)] = button;
        group->addButton(button);
        layout->addWidget(button);
        connect(button, &QRadioButton::toggled, this,
                [this, type](bool on) { onZoneChosen(type, on); });
    }
    auto* swinger = new QHBoxLayout;
    swinger->addWidget(swingerLabel_);
    swinger->addWidget(swingerField_);
    swinger->addWidget(swingerUpDown_);
    swinger->addStretch(1);
    layout->addLayout(swinger);
    layout->addStretch(1);
    armingButton_->hide();
    connect(swingerField_, &TEditLetNum::changed, this, &ZonePage::onSwingerEdited);
}

int ZonePage::input() {
    const int n = context().current.input;
    return n >= 1 && n <= 4 ? n : 0;
}

void ZonePage::fill() {
    PageUpdateGuard guard(context());
    const LanguageTexts& texts = context().texts;
    heading_->setText(uiText(texts, "CP_DOPPARAM_CAPT") + QLatin1Char(' ') +
                      QString::number(context().current.input));
    armingButton_->setText(dashed(texts, "CP_DOPPARAM_WMVAL14"));
    for (int type = 0; type < ZoneTypeCount; ++type)
        typeButtons_[static_cast<std::size_t>(type)]->setText(dashed(texts, zoneCaptionKeys[type]));
    swingerLabel_->setText(uiText(texts, "CP_DOPPARAM_WMVAL15") + QStringLiteral("    "));
    const int n = input();
    if (n == 0) return;

    armingButton_->hide();
    const ZoneTypeButtons buttons = ZoneTypeChoices(context().model, n);
    QButtonGroup* group = typeButtons_[0]->group();
    group->setExclusive(false);
    for (std::size_t i = 0; i < typeButtons_.size(); ++i) {
        typeButtons_[i]->show();
        typeButtons_[i]->setEnabled(buttons.enabled[i]);
        typeButtons_[i]->setChecked(static_cast<int>(i) == buttons.checked);
    }
    group->setExclusive(true);
    swingerField_->setNumber(context().model.input(n).SwingerCount);
}

void ZonePage::onZoneChosen(int type, bool checked) {
    const int n = input();
    if (!checked || n == 0 || context().model.input(n).ZoneType == type) return;
    EditModel(context(),
              [&](ConfigurationModel& m) { SetZoneType(m, n, static_cast<Byte>(type)); });
}

void ZonePage::onSwingerEdited(int count) {
    const int n = input();
    if (n == 0 || context().model.input(n).SwingerCount == count) return;
    EditModel(context(), [&](ConfigurationModel& m) { SetSwingerCount(m, n, count); });
}

} // namespace skarvion
