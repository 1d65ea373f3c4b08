// The control menu's commands on the real indicator and menu holder: what
// the indicator looks like afterwards, what the native menu shows and what
// the settings file holds.
#include "menu/control_menu_commands.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "about/about_host.h"
#include "about/win32/about_window.h"
#include "doubles/recording_command_windows.h"
#include "menu/control_menu_items.h"
#include "menu/win32/command_windows_win32.h"
#include "platform/shell.h"
#include "platform/win32/handles.h"
#include "position/win32/position_window.h"
#include "win/indicator/main_window_fixture.h"

namespace morvane::win32 {
namespace {

using test_support::MainWindowTest;

// The colour dialog answers OK with a colour at once; the font dialog is
// never confirmed.
class AnsweringPickers : public CommonDialogs {
public:
    bool PickColour(WindowId owner, std::uint32_t& colour, std::array<std::int32_t, 16>&,
                    const std::wstring&) override {
        colourOwner = owner;
        colour = pickedColour;
        return true;
    }
    FontDialogResult PickFont(WindowId, FontDescription&, std::uint32_t&, const std::wstring&) override {
        return FontDialogResult::Cancelled;
    }

    std::uint32_t pickedColour = 0;
    WindowId colourOwner = kNoWindow;
};

class MenuCommandsTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadBoth();
        fwMenu.SetCommands(&commands);
        fwMain.SetVisible(true);
        // One tick over no window paints "EN", the thread's language.
        input.position = {300, 200};
        Tick();
    }

    // The item's command, as the menu posts it when the item is chosen.
    void Choose(std::uint16_t commandId) { SendMessageW(fwMenu.hWnd(), WM_COMMAND, commandId, 0); }

    std::wstring StoredMain(const wchar_t* key) const {
        wchar_t value[64] = {};
        GetPrivateProfileStringW(L"Main", key, L"<none>", value, 64, path.c_str());
        return value;
    }
    UINT MenuState(std::uint16_t commandId) const {
        return GetMenuState(fwMenu.ControlMenu(), commandId, MF_BYCOMMAND);
    }
    // The indicator's shape as a region of its own; nothing while it has none.
    UniqueRegion Shape() const {
        UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
        if (GetWindowRgn(fwMain.hWnd(), shape.get()) == ERROR) return {};
        return shape;
    }

    CommandLog log;
    RecordingCommandDialogs dialogs{log};
    AnsweringPickers pickers;
    IndicatorForCommands indicator{fwMain};
    MenuForCommands menu{fwMenu};
    std::int32_t aboutMode = about_mode::kFirstRun;
    ControlMenuCommands commands{{indicator, menu, dialogs},
                                 {pickers, ansi, store, registryAccess, {L"Morvane3 Command Tests", L"C:\\x.exe"}},
                                 aboutMode,
                                 L"Morvane3\u2122"};
};

TEST_F(MenuCommandsTest, ChosenMarginResizesTheIndicatorMovesTheMarkAndIsStored) {
    const LONG widthAtOne = Size().cx;
    fwMenu.SetMarginChecked(1, true);
    Choose(MarginCommandId(4));
    EXPECT_EQ(fwMain.MARGIN_Width, 4);
    EXPECT_EQ(Size().cx - widthAtOne, 6) << "three pixels more on each side";
    EXPECT_EQ(StoredMain(L"Margin"), L"4");
    EXPECT_TRUE(MenuState(MarginCommandId(4)) & MF_CHECKED);
    EXPECT_FALSE(MenuState(MarginCommandId(1)) & MF_CHECKED);
}

TEST_F(MenuCommandsTest, TransparencyOnCutsTheIndicatorAndGreysTheBackgroundColour) {
    WritePrivateProfileStringW(L"Main", L"Silent", L"1", path.c_str());
    Choose(DesignOf(PopupItem::Transparent).commandId);

    const UniqueRegion shape = Shape();
    ASSERT_TRUE(shape) << "the indicator has a region";
    RECT box{};
    EXPECT_EQ(GetRgnBox(shape.get(), &box), COMPLEXREGION) << "cut down to its letters";
    EXPECT_FALSE(PtInRegion(shape.get(), 0, 0)) << "the background corner is cut away";
    EXPECT_TRUE(log.empty()) << "with Silent set, no hint";
    EXPECT_EQ(StoredMain(L"Transparent"), L"1");
    EXPECT_TRUE(MenuState(DesignOf(PopupItem::Transparent).commandId) & MF_CHECKED);
    EXPECT_TRUE(MenuState(DesignOf(PopupItem::BackColor).commandId) & MF_GRAYED);
}

TEST_F(MenuCommandsTest, TransparencyOffGivesBackTheFullRectangle) {
    WritePrivateProfileStringW(L"Main", L"Silent", L"1", path.c_str());
    Choose(DesignOf(PopupItem::Transparent).commandId);
    ASSERT_TRUE(Shape());

    Choose(DesignOf(PopupItem::Transparent).commandId);
    EXPECT_FALSE(Shape()) << "no region left: the whole rectangle shows";
    EXPECT_EQ(StoredMain(L"Transparent"), L"0");
    EXPECT_FALSE(MenuState(DesignOf(PopupItem::Transparent).commandId) & MF_CHECKED);
    EXPECT_FALSE(MenuState(DesignOf(PopupItem::BackColor).commandId) & MF_GRAYED);
}

TEST_F(MenuCommandsTest, NewBackgroundColourIsPaintedAndStored) {
    pickers.pickedColour = 0x00FF00;
    Choose(DesignOf(PopupItem::BackColor).commandId);
    EXPECT_EQ(pickers.colourOwner, reinterpret_cast<WindowId>(fwMenu.hWnd())) << "the menu holder owns the dialog";
    EXPECT_EQ(fwMain.BackColor, 0x00FF00u);
    EXPECT_EQ(StoredMain(L"BackColor"), L"00FF00");
    EXPECT_TRUE(fwMain.Visible());
}

TEST_F(MenuCommandsTest, QuitUnloadsBothWindowsAndLeavesTheSettingsFileAsItWas) {
    WritePrivateProfileStringW(L"Main", L"Margin", L"3", path.c_str());
    const auto bytes = [&] {
        std::ifstream file(std::filesystem::path(path), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(file), {});
    };
    const std::string before = bytes();
    ASSERT_FALSE(before.empty());

    Choose(DesignOf(PopupItem::Exit).commandId);
    EXPECT_FALSE(fwMenu.IsLoaded());
    EXPECT_FALSE(fwMain.IsLoaded());
    EXPECT_FALSE(fwMain.toLang.Enabled());
    EXPECT_EQ(bytes(), before);
}

// The position command with the real dialogs behind it.
class NoStartup : public AboutHost {
public:
    bool OnLoadChecks() override { return true; }
    void OnLoadLocationCheck() override {}
    void OnYes() override {}
};

class NoShell : public Shell {
public:
    bool Open(const std::wstring&, const std::wstring&, int) override { return false; }
};

class PositionCommandTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        LoadBoth();
        fwMain.SetVisible(true);
    }

    AnsweringPickers pickers;
    NoStartup startup;
    NoShell shell;
    std::int32_t aboutMode = about_mode::kFirstRun;
    AboutWindow fwAbout{aboutMode, startup, store, shell, process.version};
    PositionWindow fwPos{fwMain, MenuDialogTitle(L"Morvane3\u2122", PopupItem::Position)};
    IndicatorForCommands indicator{fwMain};
    MenuForCommands menu{fwMenu};
    DialogsForCommands dialogs{fwAbout, fwPos};
    ControlMenuCommands commands{{indicator, menu, dialogs},
                                 {pickers, ansi, store, registryAccess, {L"Morvane3 Command Tests", L"C:\\x.exe"}},
                                 aboutMode,
                                 L"Morvane3\u2122"};
};

TEST_F(PositionCommandTest, TheIndicatorPausesUntilThePositionDialogCloses) {
    fwMain.toLang.SetEnabled(true);
    commands.PositionClick();
    ASSERT_TRUE(fwPos.IsLoaded());
    EXPECT_TRUE(fwPos.Visible()) << "shown, not modal: the command has returned";
    EXPECT_EQ(GetWindow(fwPos.hWnd(), GW_OWNER), fwMain.hWnd());
    EXPECT_FALSE(fwMain.Visible());
    EXPECT_FALSE(fwMain.toLang.Enabled());

    SendMessageW(fwPos.hWnd(), WM_CLOSE, 0, 0);
    EXPECT_FALSE(fwPos.IsLoaded());
    EXPECT_TRUE(fwMain.Visible());
    EXPECT_TRUE(fwMain.toLang.Enabled());
    wchar_t shiftX[16] = {};
    GetPrivateProfileStringW(L"Main", L"ShiftX", L"<none>", shiftX, 16, path.c_str());
    EXPECT_STREQ(shiftX, L"0") << "the offset is handed back and stored also without OK";
}

} // namespace
} // namespace morvane::win32
