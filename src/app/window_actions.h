#pragma once

// The commands of the main window as data: object name, language keys of
// caption and hint, shortcut, tool bar and menu.

#include <QKeySequence>

#include <span>

namespace skarvion {

enum class MenuId { File, Edit, View, Options, Tools, Help };

// Tool bars, named as the window's dock names them.
enum class ToolBarId { None, File, Edit, Options, Help, Tools };

struct ActionSpec {
    const char* name;       // objectName, e.g. "ActNew"
    const char* captionKey; // `Menu` key of the caption
    const char* hintKey;    // `Menu` key of the hint; may be null
    QKeySequence::StandardKey standardKey;
    const char* shortcut; // used when standardKey is UnknownKey; may be null
    MenuId menu;
    ToolBarId toolBar;
    bool checkable = false;
};

std::span<const ActionSpec> WindowActions();

struct MenuSpec {
    MenuId id;
    const char* name;       // objectName of the submenu
    const char* captionKey; // null: the fixed caption below
    const char* fixedCaption;
};

std::span<const MenuSpec> WindowMenus();

struct ToolBarSpec {
    ToolBarId id;
    const char* name;       // objectName of the tool bar
    const char* toggleName; // the View command that shows and hides it
};

std::span<const ToolBarSpec> WindowToolBars();

} // namespace skarvion
