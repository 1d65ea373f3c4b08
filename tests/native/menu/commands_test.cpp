// The control menu's margin command: the marks it leaves. (The other commands are the journeys'.)
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "doubles/fake_windows.h"
#include "menu/control_menu_commands.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

struct Commands : ::testing::Test {
    FakeProfileFiles files;
    SettingsStore store{files};
    FakeRegistry calls;
    FakeAnsiCodePage ansi;
    RegistryAccess registry{calls, ansi};
    FakeDialogs pickers;
    FakeIndicator fwMain;
    FakeMenu fwMenu;
    FakeCommandDialogs dialogs;
    AutostartEntry autostart{L"Morvane", L"C:\\Tools\\Morvane3.exe"};
    ControlMenuCommands commands{{fwMain, fwMenu, dialogs}, {pickers, ansi, store, registry, autostart}, L"M3"};
};

TEST_F(Commands, Margin) {
    fwMenu.state.SetMarginChecked(1, true);
    // The checked margin items after each choice.
    const struct { int index; std::string checked; const wchar_t* stored; int paints; } rows[] = {
        {1, "1", nullptr, 0}, {4, "4", L"4", 1}, {0, "0", L"0", 2}, {0, "0", L"0", 2}};
    for (const auto& row : rows) {
        commands.MarginClick(row.index);
        std::string checked;
        for (int i = 0; i < kMarginItemCount; ++i) checked += fwMenu.state.MarginChecked(i) ? std::to_string(i) : "";
        EXPECT_EQ(std::tuple(fwMain.margin, checked, files.Stored(kFile, L"Main", L"Margin"), fwMain.paints),
                  std::tuple(row.index, row.checked, row.stored ? std::optional<std::wstring>(row.stored) : std::nullopt,
                             row.paints)) << row.index;
    }
}

} // namespace
} // namespace morvane
