#include "editor/input_page.h"

#include "editor/input_rules.h"
#include "editor/page_edit.h"
#include "editor/page_widgets.h"
#include "summary/extension_list.h"
#include "summary/summary_generators.h"

#include <QCheckBox>
#include <QVBoxLayout>

namespace skarvion {

InputPage::InputPage(EditorContext& context)
    : EditorPage(context), inputCheck_(NamedControl<QCheckBox>(QStringLiteral("InputCheck"), this)),
      linkBox_(NamedControl<QCheckBox>(QStringLiteral("SetOutCBox"), this)),
      summary_(NamedControl<TExtensionList>(QStringLiteral("ExtensionList2"), this)) {
    inputCheck_->setText(QStringLiteral("Input Enabled"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(inputCheck_);
    layout->addWidget(linkBox_);
    layout->addWidget(summary_, 1);
    connect(inputCheck_, &QCheckBox::toggled, this, &InputPage::onInputChecked);
    connect(linkBox_, &QCheckBox::toggled, this, &InputPage::onLinkChecked);
}

int InputPage::input() {
    const int n = context().current.input;
    return n >= 1 && n <= 4 ? n : 0;
}

void InputPage::fill() {
    PageUpdateGuard guard(context());
    const int n = input();
    const LinkBoxState link = InputLinkBoxState(context().model, n);
    linkBox_->setText(uiText(context().texts, link.captionKey));
    linkBox_->setEnabled(link.enabled);
    linkBox_->setChecked(link.checked);
    inputCheck_->setEnabled(n != 0);
    inputCheck_->setChecked(n != 0 && context().model.input(n).Enabled);
    summary_->setLines(InputSummary(context().model, context().texts, n));
}

void InputPage::onInputChecked(bool checked) {
    const int n = input();
    if (n == 0) return;
    if (!EditModel(context(), [&](ConfigurationModel& m) { SetInputEnabled(m, n, checked); }))
        return;
    context().treeStatesChanged();
    fill();
}

void InputPage::onLinkChecked(bool checked) {
    const int n = input();
    if (n == 0) return;
    if (!EditModel(context(), [&](ConfigurationModel& m) { SetInputLinkBox(m, n, checked); }))
        return;
    context().treeStatesChanged();
    fill();
}

} // namespace skarvion
