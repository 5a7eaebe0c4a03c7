#include "editor/page_area.h"

namespace skarvion {

PageArea::PageArea(EditorContext& context, QWidget* parent)
    : QStackedWidget(parent), context_(context) {
    setObjectName("Notebook1");
}

EditorPage* PageArea::page(const QString& name) {
    auto it = pages_.find(name);
    if (it == pages_.end()) {
        EditorPage* created = CreatePage(name, context_).release();
        addWidget(created);
        it = pages_.emplace(name, created).first;
    }
    return it->second;
}

EditorPage* PageArea::currentPage() const {
    return qobject_cast<EditorPage*>(currentWidget());
}

void PageArea::dispatch(const TreeNode& node) {
    context_.current = {node.kind, node.input, node.output};
    const QString name = NodePageName(node.kind);
    if (name.isEmpty()) return;
    EditorPage* target = page(name);
    target->fill();
    setCurrentWidget(target);
}

} // namespace skarvion
