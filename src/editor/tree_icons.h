#pragma once

// The small pictures of the settings tree, drawn once in code.

#include "editor/settings_tree.h"

#include <QIcon>

namespace skarvion {

QIcon TreeIconImage(TreeIcon icon);

} // namespace skarvion
