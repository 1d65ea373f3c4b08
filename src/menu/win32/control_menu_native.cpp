#include "menu/win32/control_menu_native.h"

#include <string>

#include "menu/control_menu_items.h"
#include "menu/display_menu.h"

namespace morvane::win32 {

namespace {

void AppendItem(HMENU menu, std::uint16_t commandId, std::wstring_view caption) {
    AppendMenuW(menu, MF_STRING, commandId, std::wstring(caption).c_str());
}

// The holder owns the submenu once it has taken it.
void AppendSubmenu(HMENU holder, UniqueMenu submenu, std::wstring_view caption) {
    if (AppendMenuW(holder, MF_STRING | MF_POPUP, reinterpret_cast<UINT_PTR>(submenu.get()),
                    std::wstring(caption).c_str()))
        static_cast<void>(submenu.release());
}

// Radio items show a bullet instead of a check mark.
void MarkAsRadio(HMENU menu, std::uint16_t commandId) {
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE;
    if (!GetMenuItemInfoW(menu, commandId, FALSE, &info)) return;
    info.fType |= MFT_RADIOCHECK;
    SetMenuItemInfoW(menu, commandId, FALSE, &info);
}

UniqueMenu BuildDisplayMenu() {
    UniqueMenu menu(CreatePopupMenu());
    for (const DisplayItemDesign& design : kDisplayItems) {
        if (design.commandId == 0) {
            AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
            continue;
        }
        AppendItem(menu.get(), design.commandId, design.caption);
        if (IsShowModeItem(design.item)) MarkAsRadio(menu.get(), design.commandId);
    }
    return menu;
}

UniqueMenu BuildMarginMenu() {
    UniqueMenu margins(CreatePopupMenu());
    AppendItem(margins.get(), MarginCommandId(0), MarginCaption(0));
    return margins;
}

} // namespace

UniqueMenu BuildDesignedMenuBar() {
    UniqueMenu controlMenu(CreatePopupMenu());
    for (const PopupItemDesign& design : kPopupItems) {
        switch (design.kind) {
        case MenuItemKind::Separator:
            AppendMenuW(controlMenu.get(), MF_SEPARATOR, 0, nullptr);
            break;
        case MenuItemKind::Submenu:
            AppendSubmenu(controlMenu.get(),
                          design.item == PopupItem::Display ? BuildDisplayMenu() : BuildMarginMenu(),
                          design.caption);
            break;
        case MenuItemKind::Default:
        case MenuItemKind::Command:
        case MenuItemKind::Check:
            AppendItem(controlMenu.get(), design.commandId, design.caption);
            break;
        }
    }
    UniqueMenu bar(CreateMenu());
    AppendSubmenu(bar.get(), std::move(controlMenu), kPopupCaption);
    return bar;
}

void AppendMarginItems(HMENU marginMenu) {
    for (int index = 1; index < kMarginItemCount; ++index)
        AppendItem(marginMenu, MarginCommandId(index), MarginCaption(index));
}

void ApplyMarks(HMENU controlMenu, const MarkChanges& marks) {
    for (const MarkChange& change : marks) {
        if (change.mark == ItemMark::Checked)
            CheckMenuItem(controlMenu, change.commandId, MF_BYCOMMAND | (change.on ? MF_CHECKED : MF_UNCHECKED));
        else
            EnableMenuItem(controlMenu, change.commandId, MF_BYCOMMAND | (change.on ? MF_ENABLED : MF_GRAYED));
    }
}

} // namespace morvane::win32
