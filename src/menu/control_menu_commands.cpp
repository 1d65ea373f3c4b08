#include "menu/control_menu_commands.h"

#include <utility>

#include "about/about_host.h"
#include "pickers/colour_picker.h"
#include "pickers/font_picker.h"
#include "services/colour_text.h"
#include "services/font.h"
#include "services/settings_keys.h"
#include "services/utilities.h"

namespace morvane {

ControlMenuCommands::ControlMenuCommands(CommandWindows windows, CommandServices services, std::wstring trademarks)
    : windows_(windows), services_(std::move(services)), trademarks_(std::move(trademarks)) {}

void ControlMenuCommands::FontClick() {
    CommandIndicator& fwMain = windows_.fwMain;
    fwMain.SetVisible(false);
    const FontDialogResult result =
        ShowFontDialog(services_.pickers, services_.ansi, fwMain, MenuDialogTitle(trademarks_, PopupItem::Font));
    fwMain.SetVisible(true);
    if (result != FontDialogResult::Confirmed) return;

    fwMain.zPaintCursor();
    const std::wstring file = fwMain.SettingsFile();
    WriteColour(services_.store, file, settings_key::kMain, settings_key::kForeColor, fwMain.ForeColor());
    IniWriteFont(services_.store, file, settings_key::kFont, L"", fwMain.Font());
}

void ControlMenuCommands::BackColorClick() {
    CommandIndicator& fwMain = windows_.fwMain;
    fwMain.SetVisible(false);
    const Colour remembered = fwMain.BackColor();
    const std::wstring file = fwMain.SettingsFile();
    // The custom colours of the dialog are kept in the settings file.
    const Colour chosen = ShowColorDialog(services_.pickers, services_.store, windows_.fwMenu.Id(), remembered,
                                          MenuDialogTitle(trademarks_, PopupItem::BackColor), file);
    fwMain.SetVisible(true);
    if (chosen == fwMain.BackColor()) return;

    fwMain.SetBackColor(chosen);
    fwMain.zPaintCursor();
    WriteColour(services_.store, file, settings_key::kMain, settings_key::kBackColor, chosen);
}

void ControlMenuCommands::TransparentClick() {
    CommandIndicator& fwMain = windows_.fwMain;
    CommandMenu& fwMenu = windows_.fwMenu;
    const std::wstring file = fwMain.SettingsFile();
    // The hint only informs: the background goes transparent whatever the
    // user answers.
    if (!fwMenu.TransparentChecked() && services_.store.IniReadNumber(file, settings_key::kMain, settings_key::kSilent, 0) == 0) {
        ShowAboutPaused(AboutMode::Hint);
    }

    const bool on = !fwMenu.TransparentChecked();
    fwMenu.SetTransparentChecked(on);
    services_.store.IniWriteNumber(file, settings_key::kMain, settings_key::kTransparent, BitOf(on));
    fwMain.zPaintCursor();
    // A repaint without transparency leaves the cut shape in place.
    if (!on) fwMain.RestoreFullRectangle();
}

void ControlMenuCommands::PositionClick() {
    CommandIndicator& fwMain = windows_.fwMain;
    fwMain.SetTimerEnabled(false);
    fwMain.SetVisible(false);
    if (windows_.dialogs.ShowPosition()) return;
    // No dialog will hand anything back: without this the indicator would
    // stay hidden and the menu could never be opened again.
    fwMain.SetVisible(true);
    fwMain.SetTimerEnabled(true);
}

void ControlMenuCommands::MarginClick(int index) {
    CommandIndicator& fwMain = windows_.fwMain;
    const std::int32_t current = fwMain.MarginWidth();
    if (index == current) return;

    windows_.fwMenu.SetMarginChecked(current, false);
    windows_.fwMenu.SetMarginChecked(index, true);
    fwMain.SetMarginWidth(index);
    services_.store.IniWriteNumber(fwMain.SettingsFile(), settings_key::kMain, settings_key::kMargin, index);
    fwMain.zPaintCursor();
}

void ControlMenuCommands::StartClick() {
    CommandMenu& fwMenu = windows_.fwMenu;
    const bool wasOn = fwMenu.StartChecked();
    const bool switched = wasOn ? services_.registry.SwitchAutostartOff(services_.autostart)
                                : services_.registry.SwitchAutostartOn(services_.autostart);
    if (switched) fwMenu.SetStartChecked(!wasOn);
}

void ControlMenuCommands::AboutClick() {
    ShowAboutPaused(AboutMode::About);
}

void ControlMenuCommands::ExitClick() {
    windows_.fwMenu.Unload();
    windows_.fwMain.Unload();
}

void ControlMenuCommands::ShowAboutPaused(AboutMode mode) {
    CommandIndicator& fwMain = windows_.fwMain;
    fwMain.SetTimerEnabled(false);
    fwMain.SetVisible(false);
    windows_.dialogs.ShowAboutModal(mode, fwMain.SettingsFile());
    fwMain.SetVisible(true);
    fwMain.SetTimerEnabled(true);
}

} // namespace morvane
