#include "editor/sms_centre_page.h"

#include "dialogs/edit_let_ch.h"
#include "editor/device_code_rules.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "model/windows1251.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace skarvion {

namespace {

constexpr int CentreNumberLength = 32;

} // namespace

SmsCentrePage::SmsCentrePage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("Label1"), this)),
      field_(NamedControl<TEditLetCh>(QStringLiteral("EditSMSCentre"), this)) {
    field_->setCharString(QStringLiteral("1234567890+"));
    field_->setCharCount(CentreNumberLength);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    layout->addWidget(field_);
    layout->addStretch(1);
    connect(field_, &TEditLetCh::changed, this, [this](const QString& text) {
        const Text number = SmsCentreFromField(text.toStdString());
        if (number == this->context().model.SmsCentreNumber) return;
        EditModel(this->context(), [&](ConfigurationModel& m) { m.SmsCentreNumber = number; });
    });
}

void SmsCentrePage::fill() {
    PageUpdateGuard guard(context());
    label_->setText(uiText(context().texts, "LIST_CAPT_SMS_C"));
    field_->setText(FromWindows1251(context().model.SmsCentreNumber));
}

void SmsCentrePage::showEvent(QShowEvent* event) {
    EditorPage::showEvent(event);
    QTimer::singleShot(0, field_, [field = field_] {
        field->setFocus();
        field->selectAll();
    });
}

} // namespace skarvion
