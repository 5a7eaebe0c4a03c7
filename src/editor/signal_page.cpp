#include "editor/signal_page.h"

#include "editor/page_edit.h"
#include "editor/page_widgets.h"

#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

namespace skarvion {

namespace {

const char* const signalCaptionKeys[SignalPage::SignalTypes] = {
    "REP_SIGNAL1", "REP_SIGNAL2", "REP_SIGNAL3", "REP_SIGNAL4", "REP_SIGNAL5"};

bool physicalInput(int n) {
    return n >= 1 && n <= 4;
}

} // namespace

SignalPage::SignalPage(EditorContext& context)
    : EditorPage(context), label_(HeadingLabel(QStringLiteral("SignalLabel"), this)) {
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(label_);
    auto* group = new QButtonGroup(this);
    for (int type = 0; type < SignalTypes; ++type) {
        QRadioButton* button =
            NamedControl<QRadioButton>(QStringLiteral("RButtonSignal%1").arg(type + 1), this);
        buttons_[static_cast<std::size_t>(type)] = button;
        group->addButton(button);
        layout->addWidget(button);
        connect(button, &QRadioButton::toggled, this,
                [this, type](bool checked) { onSignalChosen(type, checked); });
    }
    layout->addStretch(1);
}

void SignalPage::fill() {
    PageUpdateGuard guard(context());
    const int n = context().current.input;
    label_->setText(NumberedText(context().texts, "TREESIGNAL", n));
    const int type = physicalInput(n) ? context().model.input(n).SignalType : -1;
    for (int t = 0; t < SignalTypes; ++t) {
        QRadioButton* button = buttons_[static_cast<std::size_t>(t)];
        button->setText(uiText(context().texts, signalCaptionKeys[t]));
        button->setEnabled(physicalInput(n));
    }
    // A type outside the list checks no button.
    auto* group = buttons_[0]->group();
    group->setExclusive(false);
    for (QRadioButton* button : buttons_)
        button->setChecked(false);
    group->setExclusive(true);
    if (type >= 0 && type < SignalTypes) buttons_[static_cast<std::size_t>(type)]->setChecked(true);
}

// The contact types in everyday use get the focus when the page is shown.
void SignalPage::showEvent(QShowEvent* event) {
    EditorPage::showEvent(event);
    const int n = context().current.input;
    if (!physicalInput(n)) return;
    const int type = context().model.input(n).SignalType;
    if (type == 0 || type == 1) {
        QRadioButton* button = buttons_[static_cast<std::size_t>(type)];
        QTimer::singleShot(0, button, [button] { button->setFocus(); });
    }
}

void SignalPage::onSignalChosen(int signalType, bool checked) {
    const int n = context().current.input;
    if (!checked || !physicalInput(n)) return;
    EditModel(context(), [&](ConfigurationModel& m) {
        m.input(n).SignalType = static_cast<Byte>(signalType);
    });
}

} // namespace skarvion
