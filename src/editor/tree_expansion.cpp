#include "editor/tree_expansion.h"

#include "editor/settings_tree_view.h"

#include <QTreeWidgetItem>

namespace skarvion {

namespace {

void setExpandedWithChildren(QTreeWidgetItem* item, bool expanded) {
    item->setExpanded(expanded);
    for (int i = 0; i < item->childCount(); ++i)
        setExpandedWithChildren(item->child(i), expanded);
}

} // namespace

void SetTreeBranchExpanded(QWidget* inWindow, int kind, int input, bool expanded) {
    if (!inWindow) return;
    auto* tree = inWindow->window()->findChild<SettingsTreeView*>();
    if (!tree) return;
    const auto& nodes = SettingsTreeNodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].kind != kind || (input != 0 && nodes[i].input != input)) continue;
        setExpandedWithChildren(tree->itemOf(static_cast<int>(i)), expanded);
        return;
    }
}

} // namespace skarvion
