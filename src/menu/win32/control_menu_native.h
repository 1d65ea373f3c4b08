#pragma once
// The control menu as a native menu: built from the item table, with its
// marks set from the menu's state.
#include <windows.h>

#include "menu/control_menu_state.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

// The menu bar as designed: "Popup" with the control menu, whose "&Display"
// submenu holds the display items (the show modes as radio items), whose margin
// submenu holds "&0 px" alone and whose first item has no caption yet.
UniqueMenu BuildDesignedMenuBar();

// Margin items 1 to 9, each after the one before, in the margin submenu.
void AppendMarginItems(HMENU marginMenu);

// Items are found by command identifier, in the submenus too.
void ApplyMarks(HMENU controlMenu, const MarkChanges& marks);

} // namespace morvane::win32
