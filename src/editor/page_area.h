#pragma once

// The page area on the right of the main window: one page per page name,
// made when first shown, brought to front by the page dispatch.

#include "editor/editor_page.h"

#include <QStackedWidget>

#include <map>

namespace skarvion {

class PageArea : public QStackedWidget {
    Q_OBJECT

public:
    explicit PageArea(EditorContext& context, QWidget* parent = nullptr);

    // Makes the node the current context, fills its page and shows it. Nodes
    // without a page of their own leave the shown page in front.
    void dispatch(const TreeNode& node);

    EditorPage* page(const QString& name);
    EditorPage* currentPage() const;

private:
    EditorContext& context_;
    std::map<QString, EditorPage*> pages_;
};

} // namespace skarvion
