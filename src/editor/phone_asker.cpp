#include "editor/phone_asker.h"

#include "dialogs/phone_dialog.h"
#include "model/windows1251.h"

#include <QLabel>
#include <QPointer>

#include <memory>

namespace skarvion {

PhoneAsker DialogPhoneAsker(QWidget* parent, const LanguageTexts& texts) {
    auto dialog = std::make_shared<QPointer<TPhoneDialog>>();
    QPointer<QWidget> owner(parent);
    return [dialog, owner, &texts](const PhoneQuestion& question) -> std::optional<Text> {
        if (!owner) return std::nullopt;
        if (!*dialog) *dialog = new TPhoneDialog(owner->window());
        TPhoneDialog& phone = **dialog;
        phone.prepare(texts, FromWindows1251(question.number), question.required);
        if (question.labelKey) {
            if (auto* label = phone.findChild<QLabel*>(QStringLiteral("LabelPhone")))
                label->setText(uiText(texts, question.labelKey));
        }
        if (phone.exec() != QDialog::Accepted) return std::nullopt;
        // The field holds digits and "+" only, which every code page shares.
        return phone.phoneNumber().toStdString();
    };
}

} // namespace skarvion
