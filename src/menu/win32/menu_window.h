#pragma once
// fwMenu: the hidden window that holds the control menu. Its menu bar has the
// single item "Popup" (mPopup), whose submenu is the control menu; the window
// itself is never shown. The check marks live in the menu's state and are
// mirrored onto the native menu.
#include <windows.h>

#include "menu/control_menu_state.h"
#include "menu/display_menu.h"
#include "menu/menu_dispatch.h"
#include "platform/win32/window.h"
#include "services/registry_access.h"

namespace morvane::win32 {

inline constexpr wchar_t kMenuClassName[] = L"Morvane3Menu";

class MenuWindow : public Window {
public:
    // The registry access must outlive this object.
    MenuWindow(const RegistryAccess& registry, AutostartEntry autostart);

    // Creates the window and the control menu: the designed items, the wide
    // close mark of the first item, the margin items 1 to 9, the bold default
    // item, and the marks set so far. False when already loaded or the window
    // or its menu could not be made.
    bool Load();

    // Where the chosen items' commands go; nothing runs while none is set.
    // The commands must outlive this object or be replaced first.
    void SetCommands(MenuCommands* commands) { handlers_.commands = commands; }
    // The "&Display" items: their marks follow the settings file at Load and
    // at each opening. They must outlive this object or be replaced first.
    void SetDisplayCommands(DisplayCommands* display) { handlers_.display = display; }

    // Shows the control menu at the mouse position, after refreshing the
    // autostart mark and checking the item of marginWidth. Returns once the
    // menu has closed and the chosen command has run; a command may unload
    // this window. False, with nothing shown, when not loaded or while the
    // menu or a command run from it is still going.
    bool PopupControlMenu(int marginWidth);
    bool IsMenuOpen() const { return state_.IsOpen(); }

    // mPopupTransparent; mPopupBackColor is enabled exactly while it is unchecked.
    bool TransparentChecked() const { return state_.TransparentChecked(); }
    void SetTransparentChecked(bool on) { Apply(state_.SetTransparentChecked(on)); }
    bool BackColorEnabled() const { return state_.BackColorEnabled(); }
    // mPopupStart.
    bool StartChecked() const { return state_.StartChecked(); }
    void SetStartChecked(bool on) { Apply(state_.SetStartChecked(on)); }
    // mPopupMargin(index), index 0..9.
    bool MarginChecked(int index) const { return state_.MarginChecked(index); }
    void SetMarginChecked(int index, bool on) { Apply(state_.SetMarginChecked(index, on)); }

    // The control menu (the submenu of mPopup); nullptr while not loaded.
    HMENU ControlMenu() const;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Apply(const MarkChanges& marks) const;
    void ApplyDisplayMarks() const;

    const RegistryAccess& registry_;
    AutostartEntry autostart_;
    ControlMenuState state_;
    MenuHandlers handlers_;
};

} // namespace morvane::win32
