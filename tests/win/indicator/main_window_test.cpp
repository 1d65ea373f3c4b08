#include "indicator/win32/main_window.h"

#include <gtest/gtest.h>

#include <string>

#include "win/indicator/main_window_fixture.h"

namespace morvane::win32 {
namespace {

using test_support::MainWindowTest;

// The settings as the file holds them.
std::wstring Stored(const std::wstring& path, const wchar_t* key) {
    wchar_t value[64] = {};
    GetPrivateProfileStringW(L"Main", key, L"<none>", value, 64, path.c_str());
    return value;
}

TEST_F(MainWindowTest, LoadMakesAHiddenBorderlessTopmostToolWindow) {
    fwMain.Load();
    ASSERT_TRUE(fwMain.IsLoaded());
    EXPECT_FALSE(fwMain.Visible()) << "showing it is the start-up's business";
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(fwMain.hWnd(), GWL_STYLE));
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_FALSE(style & (WS_CAPTION | WS_THICKFRAME));
    EXPECT_TRUE(ExStyle() & WS_EX_TOPMOST);
    EXPECT_TRUE(ExStyle() & WS_EX_TOOLWINDOW) << "no taskbar button";
    EXPECT_TRUE(ExStyle() & WS_EX_NOACTIVATE);
    EXPECT_TRUE(fwMain.toLang.Enabled());
    EXPECT_EQ(fwMain.toLang.Interval(), 1u);
}

TEST_F(MainWindowTest, LoadReadsTheSettingsBesideTheExecutable) {
    WritePrivateProfileStringW(L"Main", L"Margin", L"12", path.c_str());
    WritePrivateProfileStringW(L"Main", L"ShiftX", L"-30", path.c_str());
    WritePrivateProfileStringW(L"Main", L"BackColor", L"00FF00xyz", path.c_str());
    input.cursorSize = {48, 40};
    fwMain.Load();
    EXPECT_EQ(fwMain.Tag(), path);
    EXPECT_EQ(fwMain.MARGIN_Width, 9);
    EXPECT_EQ(fwMain.POSITION_Left, -30);
    EXPECT_EQ(fwMain.POSITION_TOP, 0);
    EXPECT_EQ(fwMain.BackColor, 0x0000FF00u);
    EXPECT_EQ(fwMain.ForeColor, 0x000000FFu);
    EXPECT_EQ(fwMain.Font.Name, L"Tahoma");
    EXPECT_EQ(fwMain.CURSOR_Width, 48);
    EXPECT_EQ(fwMain.CURSOR_Height, 40);
}

TEST_F(MainWindowTest, LoadAndUnloadWriteNothing) {
    fwMain.Load();
    fwMain.Unload();
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "no settings file is created";
    EXPECT_FALSE(fwMain.toLang.Enabled()) << "the timer stops with the window";
}

TEST_F(MainWindowTest, ShowingDoesNotTakeTheFocus) {
    fwMain.Load();
    const HWND before = GetForegroundWindow();
    fwMain.SetVisible(true);
    EXPECT_TRUE(fwMain.Visible());
    EXPECT_EQ(GetForegroundWindow(), before);
}

TEST_F(MainWindowTest, PositionReturnStoresTheOffsetsShowsAndResumes) {
    fwMain.Load();
    fwMain.toLang.SetEnabled(false);
    fwMain.POSITION_Left = -30;
    fwMain.POSITION_TOP = 20;
    fwMain.zPosition_Return();
    EXPECT_EQ(Stored(path, L"ShiftX"), L"-30");
    EXPECT_EQ(Stored(path, L"ShiftY"), L"20");
    EXPECT_TRUE(fwMain.Visible());
    EXPECT_TRUE(fwMain.toLang.Enabled());
}

TEST_F(MainWindowTest, PositionReturnRepaintsTheIndicator) {
    fwMain.Load();
    fwMain.toLang.SetEnabled(false);
    fwMain.MARGIN_Width = 0;
    fwMain.zPosition_Return();
    RECT narrow{};
    GetWindowRect(fwMain.hWnd(), &narrow);
    fwMain.MARGIN_Width = 9;
    fwMain.zPosition_Return();
    RECT wide{};
    GetWindowRect(fwMain.hWnd(), &wide);
    EXPECT_EQ((wide.right - wide.left) - (narrow.right - narrow.left), 18) << "nine pixels more on each side";
}

TEST_F(MainWindowTest, PositionReturnAfterACancelStillWritesBothOffsets) {
    fwMain.Load();
    fwMain.zPosition_Return();
    EXPECT_EQ(Stored(path, L"ShiftX"), L"0");
    EXPECT_EQ(Stored(path, L"ShiftY"), L"0");
}

} // namespace
} // namespace morvane::win32
