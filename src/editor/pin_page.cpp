#include "editor/pin_page.h"

#include "dialogs/edit_let_ch.h"
#include "editor/device_code_rules.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "model/windows1251.h"

#include <QLabel>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int PinLength = 4;

} // namespace

PinPage::PinPage(EditorContext& context)
    : EditorPage(context), heading_(HeadingLabel(QStringLiteral("Label5"), this)),
      label_(NamedControl<QLabel>(QStringLiteral("Label2"), this)),
      field_(NamedControl<TEditLetCh>(QStringLiteral("EditPin"), this)) {
    field_->setCharString(QStringLiteral("1234567890"));
    field_->setCharCount(PinLength);
    field_->setFixedWidth(60);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading_);
    layout->addWidget(label_);
    layout->addWidget(field_);
    layout->addStretch(1);
    connect(field_, &TEditLetCh::changed, this, [this](const QString& text) {
        const Text pin = PinCodeFromField(text.toStdString());
        if (pin == this->context().model.PinCode) return;
        EditModel(this->context(), [&](ConfigurationModel& m) { m.PinCode = pin; });
    });
}

void PinPage::fill() {
    PageUpdateGuard guard(context());
    heading_->setText(uiText(context().texts, "TREEPIN"));
    label_->setText(uiText(context().texts, "LIST_CAPT_PIN_C"));
    field_->setText(FromWindows1251(context().model.PinCode.substr(0, PinLength)));
}

void PinPage::enterEvent(QEnterEvent* event) {
    EditorPage::enterEvent(event);
    field_->setFocus(Qt::MouseFocusReason);
    field_->selectAll();
}

} // namespace skarvion
