#pragma once

// A page's surroundings for the widget tests: a model, the built-in texts,
// and counters of what the page asked the window to do.

#include "editor/editor_context.h"
#include "model/model_operations.h"

#include <QWidget>

#include <gtest/gtest.h>

namespace skarvion::testing {

class PageTest : public ::testing::Test {
  protected:
    PageTest() {
        context.markModified = [this] { ++modified; };
        context.treeStatesChanged = [this] { ++treeRefreshes; };
    }

    // Makes `kind` with these numbers the current node.
    void select(int kind, int input = 0, int output = 0) {
        context.current = {kind, input, output};
    }

    ConfigurationModel model = StartupModel();
    LanguageTexts texts;
    EditorContext context{model, texts, {}, false};
    int modified = 0;
    int treeRefreshes = 0;
};

// The page's control of this type and object name; a missing one fails the test.
template <typename Control> Control* find(QWidget& page, const char* name) {
    auto* control = page.findChild<Control*>(QString::fromLatin1(name));
    EXPECT_NE(control, nullptr) << name;
    return control;
}

} // namespace skarvion::testing
