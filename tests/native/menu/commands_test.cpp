// The control menu's commands: what each changes, paints and stores.
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "doubles/fake_windows.h"
#include "menu/control_menu_commands.h"

namespace morvane {
namespace {

const std::wstring kFile = L"C:\\Tools\\Morvane3.dat";

struct Commands : ::testing::Test {
    std::optional<std::wstring> Stored(const std::wstring& section, const std::wstring& key) const {
        return files.Stored(kFile, section, key);
    }
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

TEST_F(Commands, BackgroundColour) {
    files.values[FakeProfileFiles::Key(kFile, L"ShowColor", L"Custom")] = L"0000FF";
    const struct { bool ok; Colour picked; Colour back; int paints; const wchar_t* stored; const wchar_t* custom; } rows[] = {
        {false, 0x00FF00, 0xFFFFFF, 0, nullptr, L"0000FF"}, {true, 0xFFFFFF, 0xFFFFFF, 0, nullptr, L"FF0000"},
        {true, 0x00FF00, 0x00FF00, 1, L"00FF00", L"FF0000"}};
    for (const auto& row : rows) {
        pickers.colourOk = row.ok;
        pickers.pickedColour = row.picked;
        pickers.editedCustom0 = 0xFF0000;
        commands.BackColorClick();
        EXPECT_EQ(std::tuple(fwMain.backColor, fwMain.paints, Stored(L"Main", L"BackColor"), Stored(L"ShowColor", L"Custom")),
                  std::tuple(row.back, row.paints, row.stored ? std::optional<std::wstring>(row.stored) : std::nullopt,
                             std::optional<std::wstring>(row.custom))) << row.ok << " " << row.picked;
    }
    EXPECT_EQ(std::tuple(pickers.owner, pickers.title, pickers.openedColour, pickers.openedCustom[0]),
              std::tuple(WindowId{8}, std::wstring(L"M3 - Set Background Color"), 0xFFFFFFu, 0xFF0000));
}

TEST_F(Commands, Margin) {
    fwMenu.state.SetMarginChecked(1, true);
    // The checked margin items after each choice.
    const struct { int index; std::string checked; const wchar_t* stored; int paints; } rows[] = {
        {1, "1", nullptr, 0}, {4, "4", L"4", 1}, {0, "0", L"0", 2}, {0, "0", L"0", 2}};
    for (const auto& row : rows) {
        commands.MarginClick(row.index);
        std::string checked;
        for (int i = 0; i < kMarginItemCount; ++i) checked += fwMenu.state.MarginChecked(i) ? std::to_string(i) : "";
        EXPECT_EQ(std::tuple(fwMain.margin, checked, Stored(L"Main", L"Margin"), fwMain.paints),
                  std::tuple(row.index, row.checked, row.stored ? std::optional<std::wstring>(row.stored) : std::nullopt,
                             row.paints)) << row.index;
    }
}

} // namespace
} // namespace morvane
