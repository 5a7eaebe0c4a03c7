#include "app/window_actions.h"

namespace skarvion {

namespace {

using K = QKeySequence;

// Ctrl+X is Exit, so Cut has no shortcut of its own; a focused text field
// still cuts with it.
// clang-format off
const ActionSpec actions[] = {
    {"ActNew", "LM_FILE_A_NEW", "LH_FILE_A_NEW", K::UnknownKey, "Ctrl+N", MenuId::File, ToolBarId::File},
    {"ActOpen", "LM_FILE_A_OPEN", "LH_FILE_A_OPEN", K::UnknownKey, "Ctrl+O", MenuId::File, ToolBarId::File},
    {"ActSave", "LM_FILE_A_SAVE", "LH_FILE_A_SAVE", K::UnknownKey, "Ctrl+S", MenuId::File, ToolBarId::File},
    {"ActSaveAs", "LM_FILE_A_SAVEAS", nullptr, K::UnknownKey, "Ctrl+A", MenuId::File, ToolBarId::None},
    {"ActClose", "LM_FILE_A_CLOSE", "LH_FILE_A_CLOSE", K::UnknownKey, nullptr, MenuId::File, ToolBarId::None},
    {"ActPrintSet", "LM_FILE_A_PRINTSET", nullptr, K::UnknownKey, nullptr, MenuId::File, ToolBarId::None},
    {"ActPrntPrev", "LM_FILE_A_RPINTPRV", "LH_FILE_A_RPINTPRV", K::UnknownKey, nullptr, MenuId::File, ToolBarId::File},
    {"ActPrint", "LM_FILE_A_PRINT", "LH_FILE_A_PRINT", K::UnknownKey, nullptr, MenuId::File, ToolBarId::None},
    {"ActExit", "LM_FILE_A_EXIT", "LH_FILE_A_EXIT", K::UnknownKey, "Ctrl+X", MenuId::File, ToolBarId::None},

    {"ActUndo", "LM_EDIT_A_UNDO", "LH_EDIT_A_UNDO", K::Undo, nullptr, MenuId::Edit, ToolBarId::None},
    {"ActRedo", "LM_EDIT_A_REDO", "LH_EDIT_A_REDO", K::Redo, nullptr, MenuId::Edit, ToolBarId::None},
    {"ActCut", "LM_EDIT_A_CUT", "LH_EDIT_A_CUT", K::UnknownKey, nullptr, MenuId::Edit, ToolBarId::Edit},
    {"ActCopy", "LM_EDIT_A_COPY", "LH_EDIT_A_COPY", K::Copy, nullptr, MenuId::Edit, ToolBarId::Edit},
    {"ActPaste", "LM_EDIT_A_PASTE", "LH_EDIT_A_PASTE", K::Paste, nullptr, MenuId::Edit, ToolBarId::Edit},
    {"ActDelete", "LM_EDIT_A_DELETE", "LH_EDIT_A_DELETE", K::UnknownKey, nullptr, MenuId::Edit, ToolBarId::Edit},

    {"ActPanelFile", "LM_VIEW_A_PNFILE", nullptr, K::UnknownKey, nullptr, MenuId::View, ToolBarId::None, true},
    {"ActPanelEdit", "LM_VIEW_A_PNEDIT", nullptr, K::UnknownKey, nullptr, MenuId::View, ToolBarId::None, true},
    {"ActPanelOptions", "LM_VIEW_A_PNOPT", nullptr, K::UnknownKey, nullptr, MenuId::View, ToolBarId::None, true},
    {"ActPanelHelp", "LM_VIEW_A_PNHELP", nullptr, K::UnknownKey, nullptr, MenuId::View, ToolBarId::None, true},
    {"ActPanelTools", "LM_VIEW_A_PNTOOL", nullptr, K::UnknownKey, nullptr, MenuId::View, ToolBarId::None, true},

    {"ActSetting", "LM_OPTION_A_SETTING", "LH_OPTION_A_SETTING", K::UnknownKey, nullptr, MenuId::Options, ToolBarId::Options},
    {"ActLanguage", "LM_OPTION_A_LANGUAG", "LH_OPTION_A_LANGUAG", K::UnknownKey, nullptr, MenuId::Options, ToolBarId::Options},

    {"ActRead", "LM_OPTION_A_READ", "LH_OPTION_A_READ", K::UnknownKey, "Ctrl+R", MenuId::Tools, ToolBarId::Tools},
    {"ActWrite", "LM_OPTION_A_WRITE", "LH_OPTION_A_WRITE", K::UnknownKey, "Ctrl+W", MenuId::Tools, ToolBarId::Tools},

    {"ActContents", "LM_HELP_A_CONTENS", "LH_HELP_A_CONTENS", K::UnknownKey, "F1", MenuId::Help, ToolBarId::Help},
    {"ActHelp", "LM_HELP_A_HELP", "LH_HELP_A_HELP", K::UnknownKey, nullptr, MenuId::Help, ToolBarId::None},
    {"ActAbout", "LM_HELP_A_ABOUT", "LH_HELP_A_ABOUT", K::UnknownKey, nullptr, MenuId::Help, ToolBarId::Help},
};

const MenuSpec menus[] = {
    {MenuId::File, "TBSubmenuItem1", "LM_FILE__", nullptr},
    {MenuId::Edit, "TBSubmenuItem2", nullptr, "Edit"},
    {MenuId::View, "TBSubmenuItem5", nullptr, "View"},
    {MenuId::Options, "TBSubmenuItem6", "LM_OPTION__", nullptr},
    {MenuId::Tools, "TBSubmenuItem3", "LM_TOOLS__", nullptr},
    {MenuId::Help, "TBSubmenuItem4", "LM_HELP__", nullptr},
};

const ToolBarSpec toolBars[] = {
    {ToolBarId::File, "TBToolbar2", "ActPanelFile"},
    {ToolBarId::Edit, "TBToolbar3", "ActPanelEdit"},
    {ToolBarId::Options, "TBToolbar5", "ActPanelOptions"},
    {ToolBarId::Help, "TBToolbar6", "ActPanelHelp"},
    {ToolBarId::Tools, "TBToolbar4", "ActPanelTools"},
};
// clang-format on

} // namespace

std::span<const ActionSpec> WindowActions() {
    return actions;
}

std::span<const MenuSpec> WindowMenus() {
    return menus;
}

std::span<const ToolBarSpec> WindowToolBars() {
    return toolBars;
}

} // namespace skarvion
