#include "dialogs/phone_dialog.h"

#include "dialogs/edit_let_ch.h"
#include "dialogs/phone_entry_rules.h"
#include "locale/language_texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace skarvion {

TPhoneDialog::TPhoneDialog(QWidget* parent)
    : QDialog(parent), label_(new QLabel(QStringLiteral("Enter Phone Number"), this)),
      field_(new TEditLetCh(this)) {
    setObjectName(QStringLiteral("PhoneDialog"));
    setWindowTitle(QStringLiteral("Phone"));
    label_->setObjectName(QStringLiteral("LabelPhone"));
    field_->setObjectName(QStringLiteral("EditPhone"));
    field_->setCharString(QString::fromUtf16(PhoneCharString));
    field_->setCharCount(PhoneEntryLength);
    label_->setBuddy(field_);

    // Enter in the field is handled by the field's own report, so neither
    // button takes Enter as the default.
    auto* buttons = new QDialogButtonBox(this);
    okButton_ = buttons->addButton(QStringLiteral("OK"), QDialogButtonBox::AcceptRole);
    okButton_->setObjectName(QStringLiteral("OKBtn"));
    cancelButton_ = buttons->addButton(QStringLiteral("Cancel"), QDialogButtonBox::RejectRole);
    cancelButton_->setObjectName(QStringLiteral("CancelBtn"));
    for (QPushButton* button : {okButton_, cancelButton_}) {
        button->setAutoDefault(false);
        button->setDefault(false);
    }
    connect(buttons, &QDialogButtonBox::accepted, this, &TPhoneDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TPhoneDialog::reject);
    connect(field_, &TEditLetCh::changed, this, &TPhoneDialog::updateButtons);
    connect(field_, &TEditLetCh::pressEnter, this, &TPhoneDialog::acceptIfAllowed);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(field_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    setStrict(false);
}

void TPhoneDialog::prepare(const LanguageTexts& texts, const QString& number, bool strict) {
    setWindowTitle(uiText(texts, "F7_EPHON_CAPTION"));
    label_->setText(uiText(texts, number.isEmpty() ? "F7_EPHON_ENT_PHON" : "F7_EPHON_EDT_PHON"));
    field_->setText(number);
    setStrict(strict);
}

void TPhoneDialog::setStrict(bool strict) {
    strict_ = strict;
    // A phone that must be entered offers no close box and no system menu.
    Qt::WindowFlags flags = Qt::Dialog | Qt::WindowTitleHint | Qt::CustomizeWindowHint;
    if (!strict) flags |= Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    const bool visible = isVisible();
    setWindowFlags(flags);
    if (visible) show();
    updateButtons();
}

QString TPhoneDialog::phoneNumber() const {
    return field_->text();
}

void TPhoneDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    initialNumber_ = field_->text();
    updateButtons();
    field_->setFocus();
    field_->selectAll();
}

void TPhoneDialog::updateButtons() {
    const PhoneDialogButtons state = phoneDialogButtons(strict_, initialNumber_, field_->text());
    okButton_->setEnabled(state.ok);
    cancelButton_->setEnabled(state.cancel);
}

void TPhoneDialog::acceptIfAllowed() {
    if (okButton_->isEnabled()) accept();
}

void TPhoneDialog::reject() {
    // Escape and the window manager's close come here too.
    if (cancelButton_->isEnabled()) QDialog::reject();
}

std::optional<QString> askPhoneNumber(TPhoneDialog& dialog, const LanguageTexts& texts,
                                      const QString& number, bool strict) {
    dialog.prepare(texts, number, strict);
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    return dialog.phoneNumber();
}

} // namespace skarvion
