#include "editor/tree_navigation.h"

#include "editor/settings_tree_view.h"

#include <QPointer>
#include <QTimer>

namespace skarvion {

void ShowTreeNodeOfKind(QWidget* inWindow, int kind) {
    if (!inWindow) return;
    QPointer<SettingsTreeView> tree = inWindow->window()->findChild<SettingsTreeView*>();
    if (!tree) return;
    const auto& nodes = SettingsTreeNodes();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].kind != kind) continue;
        // After the event that asked for it, so the page is not replaced
        // under its own handler.
        const int index = static_cast<int>(i);
        QTimer::singleShot(0, tree, [tree, index] {
            if (tree) tree->selectNode(index);
        });
        return;
    }
}

} // namespace skarvion
