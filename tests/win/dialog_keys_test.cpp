// The dialog base's keys against the real focus: Enter goes to the focused
// push button, else to the default one; Escape to the cancel button. Shown
// on the position dialog (loaded, not shown), whose "&Default" keeps it open and whose offsets
// tell "&OK" from "&Cancel".
#include <windows.h>

#include <gtest/gtest.h>

#include "doubles/fake_input_cursor.h"
#include "doubles/fake_process_facts.h"
#include "doubles/fake_system.h"
#include "indicator/win32/main_window.h"
#include "position/win32/position_window.h"
#include "startup/win32/command_windows_win32.h"

namespace morvane::win32 {
namespace {

TEST(DialogKeys, EnterGoesToTheFocusedButtonElseTheDefaultAndEscapeCancels) {
    FakeProfileFiles files;
    SettingsStore store{files};
    FakeProcessFacts process;
    FakeInputCursor input;
    MainWindow fwMain{store, process, input};
    fwMain.Load();
    fwMain.toLang.SetEnabled(false);
    IndicatorForPosition owner(fwMain);
    PositionWindow dialog(owner, L"M3 - Set Position");
    // Each row: "&Default" pressed first or not, the control focused, the key;
    // then whether the dialog is still open and the offset kept.
    const struct { bool resetFirst; int focus; WPARAM key; bool open; int left; } rows[] = {
        {false, position_control::kDefault, VK_RETURN, true, -60},
        {false, position_control::kCancel, VK_RETURN, false, -60},
        {true, position_control::kCancel, VK_RETURN, false, -60},
        {true, position_control::kOk, VK_RETURN, false, 0},
        {true, position_control::kSample, VK_RETURN, false, 0},
        {true, position_control::kDefault, VK_ESCAPE, false, -60}};
    for (const auto& row : rows) {
        fwMain.POSITION_Left = -60;
        fwMain.POSITION_TOP = -40;
        ASSERT_TRUE(dialog.Load());
        const HWND bar = GetDlgItem(dialog.hWnd(), position_control::kBar);
        const HWND desktop = GetDlgItem(dialog.hWnd(), position_control::kDesktop);
        const auto press = [&](HWND control, WPARAM key) {
            SetFocus(control);
            MSG message{control, WM_KEYDOWN, key, 0, 0, {}};
            dialog.PreTranslateMessage(message);
        };
        if (row.resetFirst) press(GetDlgItem(bar, position_control::kDefault), VK_RETURN);
        const HWND focus = GetDlgItem(row.focus == position_control::kSample ? desktop : bar, row.focus);
        press(focus, row.key);
        EXPECT_EQ(std::pair(dialog.IsLoaded(), fwMain.POSITION_Left), std::pair(row.open, row.left))
            << row.resetFirst << " " << row.focus << " " << row.key;
        dialog.Unload();
    }
}

} // namespace
} // namespace morvane::win32
