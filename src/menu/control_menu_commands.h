#pragma once
// The commands of the control menu. Each change is applied to the indicator
// at once, repainted and written to the settings file at once; a command
// that opens a dialog hides the indicator while the dialog is up.
#include <cstdint>
#include <string>
#include <string_view>

#include "menu/command_windows.h"
#include "menu/control_menu_items.h"
#include "menu/menu_commands.h"
#include "platform/ansi_code_page.h"
#include "platform/common_dialogs.h"
#include "services/registry_access.h"
#include "services/settings_store.h"

namespace morvane {


struct CommandWindows {
    CommandIndicator& fwMain;
    CommandMenu& fwMenu;
    CommandDialogs& dialogs;
};

struct CommandServices {
    CommonDialogs& pickers;  // the system's colour and font dialogs
    const AnsiCodePage& ansi;
    const SettingsStore& store;
    const RegistryAccess& registry;
    AutostartEntry autostart;
};

class ControlMenuCommands final : public MenuCommands {
public:
    // trademarks: the version record's trademark text. Everything referred
    // to must outlive this object.
    ControlMenuCommands(CommandWindows windows, CommandServices services, std::wstring trademarks);

    // Font and text colour; written only when the dialog is confirmed.
    void FontClick() override;
    // Written only when the colour differs from the one in use.
    void BackColorClick() override;
    // Switching on shows the hint first unless "Silent" is set; switching
    // off gives the indicator its full rectangle back.
    void TransparentClick() override;
    // Pauses the indicator until the position dialog hands the offset back.
    void PositionClick() override;
    // Nothing when the margin is the one in use.
    void MarginClick(int index) override;
    // The mark follows only a switch that succeeded.
    void StartClick() override;
    void AboutClick() override;
    // Unloads fwMenu, then fwMain, writing nothing; with no window left the program ends.
    void ExitClick() override;

private:
    // fwAbout in the given mode, with the indicator hidden and its timer off.
    void ShowAboutPaused(AboutMode mode);

    CommandWindows windows_;
    CommandServices services_;
    std::wstring trademarks_;
};

} // namespace morvane
