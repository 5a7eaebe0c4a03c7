#pragma once

// The common shape of a page's control handlers: nothing happens while a page
// is loading its controls; otherwise the change is written to the model under
// the page-update guard and the project is marked modified.

#include "editor/editor_context.h"

namespace skarvion {

// Returns whether the change ran.
template <typename Change> bool EditModel(EditorContext& context, Change&& change) {
    if (context.PageUpdating) return false;
    PageUpdateGuard guard(context);
    change(context.model);
    context.markModified();
    return true;
}

} // namespace skarvion
