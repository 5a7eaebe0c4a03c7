#pragma once

// What every editor page works on: the model, the language texts, the node
// the tree has selected, the page-update guard and the window's reactions to
// an edit.

#include "editor/settings_tree.h"
#include "locale/language_texts.h"
#include "model/configuration_model.h"

#include <functional>

namespace skarvion {

struct EditorContext {
    ConfigurationModel& model;
    const LanguageTexts& texts;
    NodeContext current;
    bool PageUpdating = false;
    std::function<void()> markModified = [] {};
    std::function<void()> treeStatesChanged = [] {}; // enabled states or icons may differ now
};

// Sets the page-update guard for a scope, so that control changes made while
// a page loads do not write back to the model.
class PageUpdateGuard {
public:
    explicit PageUpdateGuard(EditorContext& context) : context_(context), previous_(context.PageUpdating) {
        context_.PageUpdating = true;
    }
    ~PageUpdateGuard() { context_.PageUpdating = previous_; }
    PageUpdateGuard(const PageUpdateGuard&) = delete;
    PageUpdateGuard& operator=(const PageUpdateGuard&) = delete;

private:
    EditorContext& context_;
    bool previous_;
};

} // namespace skarvion
