#pragma once

// A page that shows a summary of the model in a formatted list.

#include "editor/editor_page.h"
#include "summary/summary_context.h"

#include <functional>

class QLabel;

namespace skarvion {

class TExtensionList;

class SummaryPage : public EditorPage {
    Q_OBJECT

public:
    // Returns the lines for the current node; no value keeps the lines shown.
    using Generator = std::function<std::optional<MarkupLines>(EditorContext&)>;

    SummaryPage(EditorContext& context, Generator generator);
    void fill() override;

    TExtensionList* list() const { return list_; }

private:
    Generator generator_;
    TExtensionList* list_;
};

} // namespace skarvion
