#include "editor/settings_tree_view.h"

#include "editor/tree_icons.h"
#include "model/windows1251.h"

#include <QHeaderView>

namespace skarvion {

namespace {
constexpr int NodeIndexRole = Qt::UserRole + 1;
}

SettingsTreeView::SettingsTreeView(EditorContext& context, QWidget* parent)
    : QTreeWidget(parent), context_(context) {
    setObjectName("VirtualDrawTree1");
    setHeaderHidden(true);
    setColumnCount(1);
    setIconSize(QSize(16, 16));
    setSelectionMode(QAbstractItemView::SingleSelection);
    const auto& nodes = SettingsTreeNodes();
    items_.reserve(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        const TreeNode& node = nodes[i];
        auto* item = node.parent < 0 ? new QTreeWidgetItem(this)
                                     : new QTreeWidgetItem(items_[static_cast<std::size_t>(node.parent)]);
        item->setData(0, NodeIndexRole, static_cast<int>(i));
        items_.push_back(item);
    }
    refresh();
    connect(this, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem* current) { onCurrentItemChanged(current); });
}

void SettingsTreeView::refresh() {
    const auto& nodes = SettingsTreeNodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        QTreeWidgetItem* item = items_[i];
        item->setText(0, FromWindows1251(NodeCaption(nodes[i], context_.texts)));
        item->setIcon(0, TreeIconImage(NodeIcon(nodes[i], context_.model)));
        item->setDisabled(!NodeEnabled(nodes[i], context_.model));
    }
    viewport()->update();
}

int SettingsTreeView::selectedNode() const {
    const QTreeWidgetItem* item = currentItem();
    return item && item->isSelected() ? item->data(0, NodeIndexRole).toInt() : -1;
}

void SettingsTreeView::selectNode(int index) {
    setCurrentItem(itemOf(index));
}

void SettingsTreeView::collapseToFirstLevel() {
    collapseAll();
}

void SettingsTreeView::onCurrentItemChanged(QTreeWidgetItem* current) {
    if (!current) return;
    const int index = current->data(0, NodeIndexRole).toInt();
    if (index == lastDispatched_) return;
    lastDispatched_ = index;
    if (ExpandsWhenSelected(SettingsTreeNodes()[static_cast<std::size_t>(index)].kind))
        expandRecursively(indexFromItem(current));
    emit nodeSelected(index);
}

} // namespace skarvion
