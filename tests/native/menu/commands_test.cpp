// The control menu's commands: what each changes, paints and stores.
#include <gtest/gtest.h>

#include "doubles/fake_system.h"
#include "doubles/fake_windows.h"
#include "menu/control_menu_commands.h"
#include "pickers/font_description.h"

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
    FakeCommandDialogs dialogs{fwMain};
    AutostartEntry autostart{L"Morvane", L"C:\\Tools\\Morvane3.exe"};
    ControlMenuCommands commands{{fwMain, fwMenu, dialogs}, {pickers, ansi, store, registry, autostart}, L"M3"};
};

// "face size weight italic underline strike-out charset" of the font and of its description.
std::string Text(const StdFont& f) {
    return std::string(f.Name.begin(), f.Name.end()) + " " + std::to_string(f.Size.Whole()) + " " + std::to_string(f.Weight) +
           " " + std::to_string(f.Italic) + std::to_string(f.Underline) + std::to_string(f.Strikethrough) + " " +
           std::to_string(f.Charset);
}
std::string Text(const FontDescription& d) {
    return std::string(reinterpret_cast<const char*>(d.faceName.data())) + " " + std::to_string(d.height) + " " +
           std::to_string(d.weight) + " " + std::to_string(d.italic) + std::to_string(d.underline) +
           std::to_string(d.strikeOut) + " " + std::to_string(d.charset);
}

TEST_F(Commands, FontToTheDialogAndBack) {
    std::tie(fwMain.font.Name, fwMain.font.Size, fwMain.font.Italic, fwMain.font.Strikethrough, fwMain.font.Charset) =
        std::tuple(L"Tahoma", 8, true, true, 204);
    fwMain.font.SetBold(true);
    pickers.fontAnswer = FontDialogResult::Cancelled;
    commands.FontClick();
    EXPECT_EQ(std::tuple(pickers.title, pickers.owner, pickers.openedColour, Text(pickers.openedFont)),
              std::tuple(std::wstring(L"M3 - Set Font & Color"), WindowId{7}, 0x0000FFu, "Tahoma -11 700 101 204"));
    EXPECT_EQ(std::tuple(Text(fwMain.font), fwMain.paints, files.writes, fwMain.visible),
              std::tuple("Tahoma 8 700 101 204", 0, 0, true)) << "cancelled: nothing changes";

    FontDescription arial;
    std::tie(arial.height, arial.weight, arial.underline, arial.charset) = std::tuple(-16, 400, 1, 161);
    arial.faceName = FaceNameField(ansi, L"Arial");
    pickers.pickedFont = arial;
    pickers.pickedColour = 0x00FF00;
    pickers.fontAnswer = FontDialogResult::Confirmed;
    commands.FontClick();
    EXPECT_EQ(std::tuple(Text(fwMain.font), fwMain.foreColor, fwMain.paints, fwMain.visible),
              std::tuple("Arial 12 400 010 161", 0x00FF00u, 1, true));
    EXPECT_EQ(std::tuple(Stored(L"Main", L"ForeColor"), Stored(L"Font", L"Name"), Stored(L"Font", L"Size"),
                         Stored(L"Font", L"Under"), Stored(L"Font", L"Charset")),
              std::tuple(L"00FF00", L"Arial", L"12", L"1", L"161"));
}

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

TEST_F(Commands, Transparency) {
    // Each row is one click: whether the hint showed, and what is marked and stored after it.
    dialogs.onAbout = [&] { files.values[FakeProfileFiles::Key(kFile, L"Main", L"Silent")] = L"1"; };
    const struct { bool hint; bool on; const wchar_t* stored; bool fullRectangle; } rows[] = {
        {true, true, L"1", false}, {false, false, L"0", true}, {false, true, L"1", false}};
    int paints = 0;
    for (const auto& row : rows) {
        dialogs.aboutMode.reset();
        fwMain.fullRectangle = false;
        commands.TransparentClick();
        EXPECT_EQ(dialogs.aboutMode == AboutMode::Hint, row.hint) << row.on;
        EXPECT_EQ(std::tuple(fwMenu.TransparentChecked(), Stored(L"Main", L"Transparent"), fwMain.paints, fwMain.fullRectangle),
                  std::tuple(row.on, std::optional<std::wstring>(row.stored), ++paints, row.fullRectangle)) << row.on;
    }
    EXPECT_FALSE(dialogs.indicatorRanDuringDialog);
    EXPECT_TRUE(fwMain.visible && fwMain.timer);
}

TEST_F(Commands, APositionDialogThatCannotOpenLeavesTheIndicatorRunning) {
    dialogs.positionOpens = false;
    commands.PositionClick();
    EXPECT_TRUE(dialogs.positionOpened && fwMain.visible && fwMain.timer);
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

TEST_F(Commands, StartWithWindowsAndQuit) {
    commands.StartClick();
    EXPECT_TRUE(fwMenu.StartChecked());
    EXPECT_EQ(calls.Text(32, kAutostartRunKey, L"Morvane"), "C:\\Tools\\Morvane3.exe");
    commands.StartClick();
    EXPECT_FALSE(fwMenu.StartChecked());
    EXPECT_FALSE(calls.Text(32, kAutostartRunKey, L"Morvane"));
    calls.failCreate = true;
    commands.StartClick();
    EXPECT_FALSE(fwMenu.StartChecked()) << "the mark follows only a switch that succeeded";

    commands.ExitClick();
    EXPECT_FALSE(fwMenu.loaded || fwMain.loaded);
    EXPECT_EQ(files.writes, 0);
}

} // namespace
} // namespace morvane
