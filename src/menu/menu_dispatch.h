#pragma once
// The one table from a command identifier of the native control menu to what
// it runs: the control menu's commands, the margins 0 to 9 and the
// "&Display" items.
#include "menu/control_menu_state.h"
#include "menu/display_menu.h"
#include "menu/menu_commands.h"

namespace morvane {

// Where the chosen items go; a handler not set runs nothing.
struct MenuHandlers {
    MenuCommands* commands = nullptr;
    DisplayCommands* display = nullptr;
};

// Runs the command of the item with this identifier and returns the marks to
// show afterwards (a display item's). mPopupClose has no command, and an
// identifier that is none of the menu's runs nothing.
MarkChanges RunMenuCommand(unsigned commandId, const MenuHandlers& handlers);

} // namespace morvane
