#pragma once

// Moving the settings tree from a page: the pages do not own the tree, so
// they find it in their window.

#include <QWidget>

namespace skarvion {

// Selects, soon after, the first node of `kind` in the settings tree of the
// window holding `inWindow`. Nothing happens without such a tree.
void ShowTreeNodeOfKind(QWidget* inWindow, int kind);

} // namespace skarvion
