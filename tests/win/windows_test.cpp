// Contracts of the program's own windows with the real system: the indicator
// never takes the focus and is cut to its letters by a window region; the
// control menu's native items and marks.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>

#include "doubles/fake_display_facts.h"
#include "doubles/fake_input_cursor.h"
#include "doubles/fake_process_facts.h"
#include "doubles/fake_system.h"
#include "indicator/display_rules.h"
#include "indicator/win32/main_window.h"
#include "indicator/win32/paint_cursor.h"
#include "indicator/win32/region_from_picture.h"
#include "menu/control_menu_items.h"
#include "menu/win32/menu_window.h"
#include "platform/win32/screen_metrics.h"
#include "position/win32/position_window.h"
#include "startup/win32/command_windows_win32.h"
#include "platform/win32/ansi_code_page_win32.h"
#include "platform/win32/input_cursor_win32.h"
#include "platform/win32/registry_win32.h"

namespace morvane::win32 {
namespace {

struct Windows : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(fwMenu.Load());
        fwMain.SetControlMenu(&fwMenu);
        fwMain.Load();
        ASSERT_TRUE(fwMain.IsLoaded());
        fwMain.toLang.SetEnabled(false);
    }
    // The kind of the window's region (ERROR for none) and whether its top-left pixel is in it.
    std::pair<int, bool> Shape() const {
        const UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
        const int kind = GetWindowRgn(fwMain.hWnd(), region.get());
        return {kind, PtInRegion(region.get(), 0, 0) != FALSE};
    }
    FakeProfileFiles files;
    SettingsStore store{files};
    FakeProcessFacts process;
    FakeInputCursor input;
    FakeRegistry calls;
    FakeAnsiCodePage ansi;
    RegistryAccess registry{calls, ansi};
    MenuWindow fwMenu{registry, {L"Morvane", L"C:\\Tools\\Morvane3.exe"}};
    MainWindow fwMain{store, process, input};
};

TEST_F(Windows, IndicatorNeverTakesTheFocus) {
    const HWND front = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100, nullptr,
                                       nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    fwMain.SetVisible(true);
    SetWindowPos(fwMain.hWnd(), HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetCursorPos(45, 45);  // a real click, which goes through the activation a click on a window brings
    INPUT click[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                      {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
    static HWND released = nullptr;  // the window the button came up over, as the thread read it
    const HHOOK hook = SetWindowsHookExW(WH_MOUSE, [](int code, WPARAM message, LPARAM info) {
        if (code == HC_ACTION && message == WM_LBUTTONUP) released = reinterpret_cast<MOUSEHOOKSTRUCT*>(info)->hwnd;
        return CallNextHookEx(nullptr, code, message, info);
    }, nullptr, GetCurrentThreadId());
    ASSERT_EQ(SendInput(2, click, sizeof(INPUT)), 2u);
    for (const DWORD start = GetTickCount(); !released && GetTickCount() - start < 1000; Sleep(10))
        for (MSG m; PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&m);
    UnhookWindowsHookEx(hook);
    ASSERT_EQ(released, fwMain.hWnd()) << "the click reached the indicator";
    EXPECT_EQ(std::tuple(fwMain.Visible(), GetForegroundWindow(), GetActiveWindow()), std::tuple(true, front, front));
    DestroyWindow(front);
}

TEST_F(Windows, TransparencyCutsTheIndicatorToItsLetters) {
    fwMain.SetVisible(true);
    fwMain.toLang.OnTick();
    EXPECT_EQ(Shape().first, ERROR) << "no region without the mark";
    fwMenu.SetTransparentChecked(true);
    fwMain.zPaintCursor();
    EXPECT_EQ(Shape(), std::pair(COMPLEXREGION, false)) << "the letters without the background corner";
    fwMain.ForeColor = fwMain.BackColor;
    fwMain.zPaintCursor();
    EXPECT_EQ(Shape().first, NULLREGION) << "letters in the background colour leave an empty shape";
    EXPECT_FALSE(RegionFromPicture(fwMain.hWnd(), nullptr));
    EXPECT_FALSE(ShapeWindow(fwMain.hWnd(), UniqueRegion()));
}

std::wstring Caption(HMENU menu, UINT position) {
    wchar_t text[64] = {};
    GetMenuStringW(menu, position, text, 64, MF_BYPOSITION);
    return text;
}

TEST_F(Windows, ControlMenuItemsAndMarks) {
    const HMENU menu = fwMenu.ControlMenu();
    const HMENU margins = GetSubMenu(menu, PositionOf(PopupItem::SetMargin));
    std::wstring captions;
    for (const HMENU m : {menu, margins})
        for (int i = 0; i < GetMenuItemCount(m); ++i) captions += Caption(m, UINT(i)) + L"|";
    EXPECT_EQ(captions, L"\t\u2573|Set &Font && Color...|Set &Background Color...|&Transparent Background|Set &Position...|"
                        L"Set &Margin Width|&Display|Start with &Windows||&About...|&Quit|"
                        L"&0 px|&1 px|&2 px|&3 px|&4 px|&5 px|&6 px|&7 px|&8 px|&9 px|");
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 0u);
    const auto state = [&](PopupItem item) { return GetMenuState(menu, DesignOf(item).commandId, MF_BYCOMMAND); };
    fwMenu.SetTransparentChecked(true);
    fwMenu.SetStartChecked(true);
    fwMenu.SetMarginChecked(4, true);
    EXPECT_EQ(std::tuple(state(PopupItem::Transparent) & MF_CHECKED, state(PopupItem::BackColor) & MF_GRAYED,
                         state(PopupItem::Start) & MF_CHECKED, GetMenuState(margins, MarginCommandId(4), MF_BYCOMMAND) & MF_CHECKED),
              std::tuple(UINT{MF_CHECKED}, UINT{MF_GRAYED}, UINT{MF_CHECKED}, UINT{MF_CHECKED}));
    fwMenu.SetTransparentChecked(false);
    EXPECT_FALSE(state(PopupItem::BackColor) & MF_GRAYED);
}

TEST_F(Windows, CapsLockMarkComesAndGoesWithCapsLockAndTheSizeStays) {
    files.PutValue(fwMain.Tag(), L"Main", L"CapsMark", L"1");
    FakeDisplayFacts facts;
    MainWindow marked{store, process, input, facts};
    marked.Load();
    marked.ForeColor = 0x000000FF;
    marked.SetVisible(true);
    // The colours of the bar's rows at x = 1 and x = width - 2, the margin at x = 0, and the free row under it.
    const auto bar = [&](bool caps, std::uint32_t now) {
        std::tie(facts.caps, facts.now) = std::tuple(caps, now);
        marked.zMoveCursor(0, 0);
        UpdateWindow(marked.hWnd());
        RECT r{};
        GetWindowRect(marked.hWnd(), &r);
        const HDC dc = GetDC(marked.hWnd());
        std::vector<COLORREF> seen{COLORREF(r.right - r.left), COLORREF(r.bottom - r.top), GetPixel(dc, 0, 0)};
        for (const int y : {0, 1, 2}) seen.insert(seen.end(), {GetPixel(dc, 1, y), GetPixel(dc, r.right - r.left - 2, y)});
        ReleaseDC(marked.hWnd(), dc);
        return seen;
    };
    const COLORREF W = 0xFFFFFF, R = 0x0000FF;
    const std::vector<COLORREF> off = bar(false, 1000);
    EXPECT_EQ(std::vector(off.begin() + 2, off.end()), std::vector<COLORREF>(7, W)) << "Caps Lock off: the room, empty";
    EXPECT_EQ(bar(true, 1100), (std::vector<COLORREF>{off[0], off[1], W, R, R, R, R, W, W})) << "on: the bar, the size kept";
    EXPECT_EQ(bar(false, 1200), off) << "off again";
    marked.Unload();
}

// Where typing goes: a child's root, the foreground window and, from the foreground thread, its focus.
TEST(InputCursor, TheForegroundThreadsFocusWindow) {
    const HWND frame = CreateWindowExW(0, L"STATIC", L"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 100, 100, 300, 200,
                                       nullptr, nullptr, nullptr, nullptr);
    const HWND edit = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE, 10, 10, 200, 30, frame, nullptr, nullptr,
                                      nullptr);
    SetForegroundWindow(frame);
    SetFocus(edit);
    const Win32InputCursor input;
    const auto id = [](HWND window) { return reinterpret_cast<WindowId>(window); };
    EXPECT_EQ(std::tuple(input.RootWindowOf(id(edit)), input.ForegroundWindow(), input.ForegroundFocusWindow(),
                         input.InputHostOf(id(frame))),
              std::tuple(id(frame), id(frame), id(edit), InputHost{}));
    DestroyWindow(frame);
}

TEST_F(Windows, PositionDialogDragsWithAnyButtonUntilTheCaptureGoes) {
    IndicatorForPosition owner(fwMain);
    PositionWindow dialog(owner, L"M3 - Set Position");
    ASSERT_TRUE(dialog.Show());
    const HWND desktop = GetDlgItem(dialog.hWnd(), position_control::kDesktop);
    const HWND sample = GetDlgItem(desktop, position_control::kSample);
    const auto at = [&] {
        RECT r{};
        GetWindowRect(sample, &r);
        MapWindowPoints(nullptr, desktop, reinterpret_cast<POINT*>(&r), 1);
        return std::pair(r.left, r.top);
    };
    const auto start = at();
    const auto moveBy = [&](int dx, int dy) { SendMessageW(sample, WM_MOUSEMOVE, 0, MAKELPARAM(dx, dy)); };
    // Each row: how the drag begins and ends, and where the sample is after a move once it has ended.
    const struct { UINT down; std::function<void()> end; } rows[] = {
        {WM_RBUTTONDOWN, [&] { SendMessageW(sample, WM_RBUTTONUP, 0, 0); }},
        {WM_MBUTTONDOWN, [&] { SendMessageW(sample, WM_MBUTTONUP, 0, 0); }},
        {WM_LBUTTONDOWN, [&] { SetCapture(fwMain.hWnd()); }}};  // another window takes the mouse
    for (const auto& row : rows) {
        SendMessageW(sample, row.down, 0, 0);
        moveBy(-50, -60);
        const auto dragged = at();
        EXPECT_EQ(dragged, std::pair(start.first - 50, start.second - 60)) << row.down;
        row.end();
        moveBy(-50, -60);
        EXPECT_EQ(at(), dragged) << row.down << ": the drag has ended";
        SendMessageW(GetDlgItem(GetDlgItem(dialog.hWnd(), position_control::kBar), position_control::kDefault), BM_CLICK, 0, 0);
        EXPECT_EQ(at(), start) << "\"&Default\" puts it back";
    }
    ReleaseCapture();
    SendMessageW(sample, WM_LBUTTONDOWN, 0, 0);
    moveBy(-50, -60);
    MSG escape{sample, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(dialog.PreTranslateMessage(escape));
    EXPECT_EQ(std::tuple(dialog.IsLoaded(), fwMain.POSITION_Left, fwMain.Visible(), files.Stored(fwMain.Tag(), L"Main", L"ShiftX")),
              std::tuple(false, 0, true, L"0")) << "Escape hands nothing over, and the indicator stores its own and returns";
}

TEST_F(Windows, DisplaySubmenuItemsAndRadioMarks) {
    DisplayCommands display{store, fwMain, true};
    fwMenu.SetDisplayCommands(&display);
    for (const DisplayItem item : {DisplayItem::AfterChange, DisplayItem::Country})
        SendMessageW(fwMenu.hWnd(), WM_COMMAND, kDisplayItems[std::size_t(item)].commandId, 0);
    const HMENU submenu = GetSubMenu(fwMenu.ControlMenu(), PositionOf(PopupItem::Display));
    std::wstring captions, marks;  // marks: o a checked radio item, x a checked box, - unchecked, | separator
    for (int i = 0; i < GetMenuItemCount(submenu); ++i) {
        MENUITEMINFOW info{};
        std::tie(info.cbSize, info.fMask) = std::tuple(UINT{sizeof info}, UINT{MIIM_FTYPE | MIIM_STATE});
        GetMenuItemInfoW(submenu, UINT(i), TRUE, &info);
        captions += Caption(submenu, UINT(i)) + L"|";
        marks += info.fType & MFT_SEPARATOR ? L'|' : !(info.fState & MFS_CHECKED) ? L'-' : info.fType & MFT_RADIOCHECK ? L'o' : L'x';
    }
    EXPECT_EQ(captions, L"&Always|Over &Text Only|After a &Change||Hide Over &Full Screen|&Keep Inside the Screen|"
                        L"Show C&ountry|Caps &Lock Mark|Hide from &Screenshots|");
    EXPECT_EQ(marks, L"--o|--x--");
    fwMenu.SetDisplayCommands(nullptr);
}

} // namespace
} // namespace morvane::win32
