// Contracts of the program's own windows with the real system: the indicator
// never takes the focus and is cut to its letters by a window region; the
// control menu's native items and marks; the events that wake it.
#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <tuple>

#include "about/win32/about_window.h"
#include "doubles/fake_display_facts.h"
#include "doubles/fake_input_cursor.h"
#include "doubles/fake_monitors.h"
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

// The events that wake the indicator, from the real system: input made with
// SendInput over a window of the test's own, and a foreground change.
TEST(InputEvents, RealInputAndAForegroundChangeArriveUntilUninstalled) {
    std::set<WakeEvent> seen;
    InputEvents events([&](WakeEvent event) { seen.insert(event); });
    ASSERT_TRUE(events.Install());
    const auto window = [](int left) {
        return CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, left, 100, 200, 200, 0, 0, 0, 0);
    };
    const HWND first = window(100), second = window(400);
    const auto arrives = [&](WakeEvent event) {  // this thread's messages run the hooks; at most 2 s
        for (const DWORD end = GetTickCount() + 2000; !seen.count(event) && GetTickCount() < end; Sleep(5))
            for (MSG message; PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE);) DispatchMessageW(&message);
        return seen.count(event) > 0;
    };
    INPUT input[2]{};  // 5 pixels right, from the first window's middle; a key let go
    std::tie(input[0].type, input[0].mi.dx, input[0].mi.dwFlags) = std::tuple(INPUT_MOUSE, 5, MOUSEEVENTF_MOVE);
    std::tie(input[1].type, input[1].ki.wVk, input[1].ki.dwFlags) = std::tuple(INPUT_KEYBOARD, VK_F24, KEYEVENTF_KEYUP);
    SetCursorPos(200, 200);
    SetForegroundWindow(first);  // Wine drops a key while no window of its own is in front
    const DWORD before = GetTickCount();
    ASSERT_EQ(SendInput(2, input, sizeof *input), 2u);
    EXPECT_TRUE(arrives(WakeEvent::Moved)) << "a move over the test's window";
    EXPECT_TRUE(arrives(WakeEvent::Key)) << "a key";
    EXPECT_LE(InputEvents::LastInputMs() - before, GetTickCount() - before) << "the last input on the same clock";
    SetForegroundWindow(second);
    // Windows raises the foreground event and the focus event; Wine only the focus event.
    EXPECT_TRUE(arrives(WakeEvent::Focus) || arrives(WakeEvent::Foreground)) << "a foreground change";
    events.Uninstall();
    seen.clear();
    SendInput(2, input, sizeof *input);
    EXPECT_FALSE(arrives(WakeEvent::Key)) << "uninstalled";
    DestroyWindow(first);
    DestroyWindow(second);
}

struct Windows : ::testing::Test {
    void SetUp() override {
        ASSERT_TRUE(fwMenu.Load());
        fwMain.SetControlMenu(&fwMenu);
        fwMain.Load();
        ASSERT_TRUE(fwMain.IsLoaded());
        fwMain.SetTracking(false);
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

HWND released = nullptr;  // the window the button came up over, as the test's thread read it
LRESULT CALLBACK SeeRelease(int code, WPARAM message, LPARAM info) {
    if (code == HC_ACTION && message == WM_LBUTTONUP) released = reinterpret_cast<MOUSEHOOKSTRUCT*>(info)->hwnd;
    return CallNextHookEx(nullptr, code, message, info);
}

TEST_F(Windows, IndicatorNeverTakesTheFocus) {
    const HWND front = CreateWindowExW(0, L"STATIC", L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 300, 300, 200, 100, nullptr,
                                       nullptr, nullptr, nullptr);
    SetForegroundWindow(front);
    fwMain.SetVisible(true);
    SetWindowPos(fwMain.hWnd(), HWND_TOPMOST, 40, 40, 0, 0, SWP_NOSIZE | SWP_NOACTIVATE);
    SetCursorPos(45, 45);  // a real click, which goes through the activation a click on a window brings
    INPUT click[2] = {{INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTDOWN, 0, 0}}},
                      {INPUT_MOUSE, {.mi = {0, 0, 0, MOUSEEVENTF_LEFTUP, 0, 0}}}};
    const HHOOK hook = SetWindowsHookExW(WH_MOUSE, SeeRelease, nullptr, GetCurrentThreadId());
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
    for (const HMENU m : {menu, margins, GetSubMenu(menu, PositionOf(PopupItem::Display))})
        for (int i = 0; i < GetMenuItemCount(m); ++i) captions += Caption(m, UINT(i)) + L"|";
    EXPECT_EQ(captions, L"\t\u2573|Set &Font && Color...|Set &Background Color...|&Transparent Background|Set &Position...|"
                        L"Set &Margin Width|&Display|Start with &Windows||&About...|&Quit|"
                        L"&0 px|&1 px|&2 px|&3 px|&4 px|&5 px|&6 px|&7 px|&8 px|&9 px|"
                        L"&Always|Over &Text Only|After a &Change||Hide Over &Full Screen|&Keep Inside the Screen|"
                        L"Show C&ountry|Caps &Lock Mark|Hide from &Screenshots|");
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

TEST_F(Windows, TheOneMsTickIsTheFallbackOnly) {
    fwMain.SetTracking(true);
    process.commandLineText = L"/poll";
    MainWindow polling{store, process, input};
    polling.Load();
    EXPECT_EQ(std::tuple(fwMain.toLang.Enabled(), polling.toLang.Enabled()), std::tuple(false, true)) << "events, or not";
    polling.SetTracking(false);
    EXPECT_FALSE(polling.toLang.Enabled()) << "no tick while a dialog holds the indicator";
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

TEST(InputCursor, ConsolesAndAppFramesNameTheWindowThatReadsTheirKeys) {
    const auto make = [](const wchar_t* name, HWND parent) {
        WNDCLASSW kind{0, DefWindowProcW, 0, 0, GetModuleHandleW(nullptr), nullptr, nullptr, nullptr, nullptr, name};
        RegisterClassW(&kind);
        return CreateWindowExW(0, name, L"", parent ? WS_CHILD : WS_POPUP, 0, 0, 9, 9, parent, nullptr, nullptr, nullptr);
    };
    const HWND console = make(L"ConsoleWindowClass", nullptr), frame = make(L"ApplicationFrameWindow", nullptr);
    const Win32InputCursor input;
    const auto id = [](HWND window) { return reinterpret_cast<WindowId>(window); };
    const InputHost consoleHost = input.InputHostOf(id(console)), waiting = input.InputHostOf(id(frame));
    const HWND core = make(L"Windows.UI.Core.CoreWindow", frame);
    EXPECT_TRUE(consoleHost.separate && consoleHost.window != kNoWindow && consoleHost.window != id(console) &&
                input.ThreadOf(consoleHost.window) == GetCurrentThreadId());
    EXPECT_EQ(std::tuple(waiting, input.InputHostOf(id(frame))), std::tuple(InputHost{true, kNoWindow}, InputHost{true, id(core)}));
    DestroyWindow(console);
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
    // Moved to a monitor at 144 dots per inch: laid out anew, the bar one and a half times as high and lower,
    // the window where the system suggests.
    RECT suggested{-900, -700, -300, -100}, bar{}, window{};
    SendMessageW(dialog.hWnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    GetWindowRect(GetDlgItem(dialog.hWnd(), position_control::kBar), &bar);
    GetWindowRect(dialog.hWnd(), &window);
    EXPECT_EQ(std::tuple(bar.bottom - bar.top, window.left, window.top), std::tuple(87L, -900L, -700L));
    ReleaseCapture();
    SendMessageW(sample, WM_LBUTTONDOWN, 0, 0);
    moveBy(-50, -60);
    MSG escape{sample, WM_KEYDOWN, VK_ESCAPE, 0, 0, {}};
    EXPECT_TRUE(dialog.PreTranslateMessage(escape));
    EXPECT_EQ(std::tuple(dialog.IsLoaded(), fwMain.POSITION_Left, fwMain.Visible(), files.Stored(fwMain.Tag(), L"Main", L"ShiftX")),
              std::tuple(false, 0, true, L"0")) << "Escape hands nothing over, and the indicator stores its own and returns";
}

TEST_F(Windows, IndicatorDrawnAtTheScaleOfTheMonitorUnderTheHotSpot) {
    FakeMonitors monitors;
    monitors.monitors = {{{0, 0, 1024, 768}, 96}, {{-800, -600, 0, 0}, 144}};
    MainWindow indicator{store, process, input, SystemDisplayFacts(), monitors};
    indicator.Load();
    indicator.toLang.SetEnabled(false);
    indicator.SetVisible(true);
    const auto sizeAt = [&](ScreenPoint hotSpot) {
        indicator.zMoveCursor(hotSpot.x, hotSpot.y);
        RECT r{};
        GetWindowRect(indicator.hWnd(), &r);
        return std::pair(r.right - r.left, r.bottom - r.top);
    };
    const auto at96 = sizeAt({100, 100}), at144 = sizeAt({-400, -300});
    EXPECT_GT(at144.second, at96.second * 5 / 4) << "one and a half times the scale, drawn anew, no stretching";
    EXPECT_EQ(sizeAt({500, 400}), at96) << "back on the primary";
    SendMessageW(indicator.hWnd(), WM_DISPLAYCHANGE, 32, MAKELPARAM(1024, 768));
    EXPECT_EQ(monitors.reads, 2) << "read at Load and again when the displays change";
}

struct AboutHere : AboutHost, Shell {
    bool OnLoadChecks(AboutMode) override { return true; }
    void OnLoadLocationCheck(AboutMode) override {}
    void OnYes() override {}
    bool Open(const std::wstring&, const std::wstring&, int) override { return true; }
};

TEST_F(Windows, AboutDialogStaysAtTheScaleOfItsMonitorWhenActivatedAgain) {
    AboutHere here;
    AboutWindow dialog(here, store, here, process.version, {L"About", L"Hint"});
    ASSERT_TRUE(dialog.Load(AboutMode::Help));
    dialog.Show();
    const auto width = [&] { RECT r{}; GetWindowRect(dialog.hWnd(), &r); return r.right - r.left; };
    const LONG atSystemScale = width();
    RECT suggested{0, 0, 600, 400};
    SendMessageW(dialog.hWnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    const LONG atNewScale = width();
    EXPECT_GT(atNewScale, atSystemScale * 5 / 4) << "laid out anew at one and a half times the scale";
    const HWND no = GetDlgItem(GetDlgItem(dialog.hWnd(), about_control::kBar), about_control::kNo);
    LOGFONTW font{}, stock{};
    GetObjectW(reinterpret_cast<HFONT>(SendMessageW(no, WM_GETFONT, 0, 0)), sizeof font, &font);
    GetObjectW(GetStockObject(DEFAULT_GUI_FONT), sizeof stock, &stock);
    EXPECT_EQ(font.lfHeight, MulDiv(stock.lfHeight, 3, 2)) << "the buttons' font at the new scale";
    SendMessageW(dialog.hWnd(), WM_ACTIVATE, WA_INACTIVE, reinterpret_cast<LPARAM>(fwMain.hWnd()));
    SendMessageW(dialog.hWnd(), WM_ACTIVATE, WA_ACTIVE, 0);
    EXPECT_EQ(width(), atNewScale) << "activated again, laid out at its own scale";
}

TEST_F(Windows, DisplaySubmenuItemsAndRadioMarks) {
    DisplayCommands display{store, fwMain, true};
    fwMenu.SetDisplayCommands(&display);
    for (const DisplayItem item : {DisplayItem::AfterChange, DisplayItem::Country})
        SendMessageW(fwMenu.hWnd(), WM_COMMAND, kDisplayItems[std::size_t(item)].commandId, 0);
    const HMENU submenu = GetSubMenu(fwMenu.ControlMenu(), PositionOf(PopupItem::Display));
    std::wstring marks;  // o a checked radio item, x a checked box, - unchecked, | separator
    for (int i = 0; i < GetMenuItemCount(submenu); ++i) {
        MENUITEMINFOW info{};
        std::tie(info.cbSize, info.fMask) = std::tuple(UINT{sizeof info}, UINT{MIIM_FTYPE | MIIM_STATE});
        GetMenuItemInfoW(submenu, UINT(i), TRUE, &info);
        marks += info.fType & MFT_SEPARATOR ? L'|' : !(info.fState & MFS_CHECKED) ? L'-' : info.fType & MFT_RADIOCHECK ? L'o' : L'x';
    }
    EXPECT_EQ(marks, L"--o|--x--");
    fwMenu.SetDisplayCommands(nullptr);
}

// Enter goes to the focused push button, else to the default one; Escape cancels. Each row: "&Default" pressed
// first or not, the focused control and key; then whether the dialog is open and the offset kept.
struct DialogKeys : Windows {};  // after the input events: the hidden dialog takes the focus
TEST_F(DialogKeys, OnThePositionDialog) {
    IndicatorForPosition owner(fwMain);
    PositionWindow dialog(owner, L"M3 - Set Position");
    using namespace position_control;
    const struct { bool reset; int focus; WPARAM key; bool open; int left; } rows[] = {
        {false, kDefault, VK_RETURN, true, -60}, {false, kCancel, VK_RETURN, false, -60}, {true, kCancel, VK_RETURN, false, -60},
        {true, kOk, VK_RETURN, false, 0}, {true, kSample, VK_RETURN, false, 0}, {true, kDefault, VK_ESCAPE, false, -60}};
    for (const auto& row : rows) {
        fwMain.POSITION_Left = -60;
        ASSERT_TRUE(dialog.Load());
        const auto press = [&](int id, WPARAM key) {
            MSG message{GetDlgItem(GetDlgItem(dialog.hWnd(), id == kSample ? kDesktop : kBar), id), WM_KEYDOWN, key, 0, 0, {}};
            SetFocus(message.hwnd);
            dialog.PreTranslateMessage(message);
        };
        if (row.reset) press(kDefault, VK_RETURN);
        press(row.focus, row.key);
        EXPECT_EQ(std::pair(dialog.IsLoaded(), fwMain.POSITION_Left), std::pair(row.open, row.left)) << row.focus;
        dialog.Unload();
        fwMain.SetTracking(false);  // as the fixture has it: the closed dialog resumed the tracking
    }
}

} // namespace
} // namespace morvane::win32
