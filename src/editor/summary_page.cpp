#include "editor/summary_page.h"

#include "summary/extension_list.h"

#include <QVBoxLayout>

namespace skarvion {

SummaryPage::SummaryPage(EditorContext& context, Generator generator)
    : EditorPage(context), generator_(std::move(generator)), list_(new TExtensionList(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(list_);
}

void SummaryPage::fill() {
    PageUpdateGuard guard(context());
    if (auto lines = generator_(context())) list_->setLines(*lines);
}

} // namespace skarvion
