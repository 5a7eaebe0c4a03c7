#pragma once

// The settings tree on the left of the main window. Its nodes never change;
// refresh() redraws their captions, icons and enabled states from the model.

#include "editor/editor_context.h"

#include <QTreeWidget>

namespace skarvion {

class SettingsTreeView : public QTreeWidget {
    Q_OBJECT

public:
    explicit SettingsTreeView(EditorContext& context, QWidget* parent = nullptr);

    void refresh();

    // Index into SettingsTreeNodes() of the selected node, -1 when none is.
    int selectedNode() const;
    void selectNode(int index);
    void collapseToFirstLevel();

    QTreeWidgetItem* itemOf(int index) const { return items_.at(static_cast<std::size_t>(index)); }

signals:
    // A node became selected that was not the one dispatched last.
    void nodeSelected(int index);

private:
    void onCurrentItemChanged(QTreeWidgetItem* current);

    EditorContext& context_;
    std::vector<QTreeWidgetItem*> items_;
    int lastDispatched_ = -1;
};

} // namespace skarvion
