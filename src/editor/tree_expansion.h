#pragma once

// Opening and closing branches of the settings tree from a page: the pages
// do not own the tree, so they find it in their window.

#include <QWidget>

namespace skarvion {

// Expands the first node of `kind` whose input number is `input` (any node
// of the kind when 0) with its whole subtree, or collapses it with its whole
// subtree. Nothing happens without such a tree.
void SetTreeBranchExpanded(QWidget* inWindow, int kind, int input, bool expanded);

} // namespace skarvion
