#pragma once

// One page of the page area. A page loads its controls from the model in
// fill() and writes each edit to the model at once.

#include "editor/editor_context.h"

#include <QWidget>

#include <functional>
#include <memory>

namespace skarvion {

class EditorPage : public QWidget {
    Q_OBJECT

public:
    explicit EditorPage(EditorContext& context, QWidget* parent = nullptr)
        : QWidget(parent), context_(context) {}

    // Loads the controls for the current node.
    virtual void fill() = 0;

protected:
    EditorContext& context() { return context_; }

private:
    EditorContext& context_;
};

using PageFactory = std::function<std::unique_ptr<EditorPage>(EditorContext&)>;

// The page of that name, or an empty page when it is not built.
std::unique_ptr<EditorPage> CreatePage(const QString& name, EditorContext& context);

} // namespace skarvion
