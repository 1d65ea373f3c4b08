#include "menu/menu_commands.h"

#include "menu/control_menu_items.h"

namespace morvane {

void DispatchMenuCommand(unsigned commandId, MenuCommands& commands) {
    const auto chosen = ChosenItemOf(commandId);
    if (!chosen) return;
    switch (chosen->item) {
    case PopupItem::Font: commands.FontClick(); break;
    case PopupItem::BackColor: commands.BackColorClick(); break;
    case PopupItem::Transparent: commands.TransparentClick(); break;
    case PopupItem::Position: commands.PositionClick(); break;
    case PopupItem::SetMargin: commands.MarginClick(chosen->marginIndex); break;
    case PopupItem::Start: commands.StartClick(); break;
    case PopupItem::About: commands.AboutClick(); break;
    case PopupItem::Exit: commands.ExitClick(); break;
    case PopupItem::Close:
    case PopupItem::Display:
    case PopupItem::Separator: break;
    }
}

} // namespace morvane
