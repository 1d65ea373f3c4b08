#pragma once
// The program as one object: the platform services, the windows fwMain,
// fwMenu, fwAbout and fwPos, the start-up that connects them, and the control
// menu's commands. It is what the start-up drives as its windows.
#include <cstdint>
#include <string>

#include "about/win32/about_window.h"
#include "indicator/win32/main_window.h"
#include "menu/control_menu_commands.h"
#include "menu/control_menu_items.h"
#include "menu/display_menu.h"
#include "menu/win32/menu_window.h"
#include "platform/version_record.h"
#include "services/autostart_entry.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/common_dialogs_win32.h"
#include "platform/win32/input_cursor_win32.h"
#include "platform/win32/process_facts_win32.h"
#include "platform/win32/profile_files_win32.h"
#include "platform/win32/registry_win32.h"
#include "platform/win32/shell_win32.h"
#include "position/win32/position_window.h"
#include "services/registry_access.h"
#include "services/settings_store.h"
#include "startup/startup.h"
#include "startup/startup_windows.h"
#include "startup/win32/command_windows_win32.h"

namespace morvane::win32 {

class Program : public StartupWindows {
public:
    Program();
    ~Program() override;

    // Initialize, the dialog's Load (which may end this copy, or accept it
    // unseen), the dialog shown when it is still loaded, then the messages
    // until no window of the program is left. The process's exit code.
    int Run();

    std::wstring NewLocationMark() const override { return fwAbout.NewLocationMark(); }
    void SetNewLocationMark(const std::wstring& mark) override { fwAbout.SetNewLocationMark(mark); }
    void LoadMenuHolder() override { fwMenu.Load(); }
    void SetStartChecked(bool checked) override { fwMenu.SetStartChecked(checked); }
    void SetTransparentChecked(bool checked) override { fwMenu.SetTransparentChecked(checked); }
    std::wstring LoadIndicatorAndGetTag() override;
    void GiveIndicatorTheDialogIcon() override { fwMain.SetIcon(fwAbout.Icon()); }
    void ShowIndicator() override { fwMain.SetVisible(true); }
    void CloseDialog() override { fwAbout.Close(); }

private:
    // The process facts come first: making them claims the instance mutex,
    // held until the program object goes.
    const Win32ProcessFacts process_;
    const VersionRecord version_{process_.Version()};
    const AutostartEntry autostart_{AutostartEntryOf(process_)};
    const Win32AnsiCodePage ansi_;
    Win32Registry registryCalls_;
    const RegistryAccess registry_{registryCalls_, ansi_};
    Win32ProfileFiles profileFiles_{ansi_};
    const SettingsStore store_{profileFiles_};
    const Win32InputCursor input_;
    Win32Shell shell_;
    Win32CommonDialogs pickers_;

    // The menu holder goes after the indicator, whose ticks open its menu.
    MenuWindow fwMenu;
    MainWindow fwMain{store_, process_, input_};
    Startup startup_{process_, registry_, store_, *this};
    AboutWindow fwAbout{startup_, store_, shell_, version_,
                        {MenuDialogTitle(version_.LegalTrademarks, PopupItem::About),
                         MenuDialogTitle(version_.LegalTrademarks, PopupItem::Transparent)}};
    // Owned by the indicator, which it hands the offset back to.
    IndicatorForPosition indicatorForPosition_{fwMain};
    PositionWindow fwPos{indicatorForPosition_, MenuDialogTitle(version_.LegalTrademarks, PopupItem::Position)};

    IndicatorForCommands indicatorForCommands_{fwMain};
    MenuForCommands menuForCommands_{fwMenu};
    DialogsForCommands dialogsForCommands_{fwAbout, fwPos};
    ControlMenuCommands commands_;
    DisplayCommands displayCommands_{store_, fwMain, CaptureExclusionWorks(SystemDisplayFacts().WindowsBuild())};
};

} // namespace morvane::win32
