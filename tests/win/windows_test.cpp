// Contracts of the program's own windows with the real system: the indicator
// never takes the focus and is cut to its letters by a window region; the
// control menu's native items and marks; the events that wake it.
#include <windows.h>

#include <gtest/gtest.h>

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

TEST_F(Windows, IndicatorNeverTakesTheFocus) {
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(fwMain.hWnd(), GWL_EXSTYLE));
    EXPECT_EQ(exStyle & (WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE),
              DWORD{WS_EX_TOPMOST | WS_EX_TOOLWINDOW | WS_EX_NOACTIVATE});
    EXPECT_FALSE(GetWindowLongPtrW(fwMain.hWnd(), GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME));
    const HWND before = GetForegroundWindow();
    fwMain.SetVisible(true);
    fwMain.toLang.OnTick();
    SendMessageW(fwMain.hWnd(), WM_LBUTTONDOWN, MK_LBUTTON, 0);
    EXPECT_TRUE(fwMain.Visible());
    EXPECT_EQ(GetForegroundWindow(), before);
    EXPECT_NE(GetFocus(), fwMain.hWnd());
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
    ASSERT_EQ(GetMenuItemCount(menu), static_cast<int>(kPopupItems.size()));
    for (std::size_t i = 1; i < kPopupItems.size(); ++i) {
        if (kPopupItems[i].kind != MenuItemKind::Separator) {
            EXPECT_EQ(Caption(menu, UINT(i)), kPopupItems[i].caption) << i;
        }
    }
    EXPECT_EQ(Caption(menu, 0), L"\t\u2573");
    EXPECT_EQ(GetMenuDefaultItem(menu, TRUE, 0), 0u);
    const HMENU margins = GetSubMenu(menu, PositionOf(PopupItem::SetMargin));
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

TEST_F(Windows, CapsLockMarkFillsItsRoomInTheTextColourAndTheSizeStays) {
    DrawingSurface surface;
    surface.SetFont(IndicatorDesignFont());
    surface.SetForeColor(0x000000FF);
    PaintIndicator(surface, fwMain.hWnd(), {L"EN", 1, false, {15, 15}, true, false});
    const SIZE room{surface.WidthPixels(), surface.HeightPixels()};
    EXPECT_EQ(GetPixel(surface.hDC(), 4, 0), 0x00FFFFFFu) << "Caps Lock off: the room stays empty";
    PaintIndicator(surface, fwMain.hWnd(), {L"EN", 1, false, {15, 15}, true, true});
    EXPECT_TRUE(surface.WidthPixels() == room.cx && surface.HeightPixels() == room.cy) << "the size stays";
    for (int y = 0; y < kCapsBarRows; ++y)
        for (int x = 1; x < room.cx - 1; ++x) EXPECT_EQ(GetPixel(surface.hDC(), x, y), 0x000000FFu) << x << "," << y;
    EXPECT_EQ(GetPixel(surface.hDC(), 0, 0), 0x00FFFFFFu) << "the margin stays free";
    EXPECT_EQ(GetPixel(surface.hDC(), 4, kCapsBarRows), 0x00FFFFFFu) << "a free row under the bar";
}

TEST_F(Windows, LeftOutOfCaptureFromLoadAndBackWhenSwitchedOff) {
    files.PutValue(fwMain.Tag(), L"Main", L"NoCapture", L"1");
    FakeDisplayFacts facts;
    MainWindow hidden{store, process, input, facts};
    hidden.Load();
    const auto id = reinterpret_cast<WindowId>(hidden.hWnd());
    EXPECT_EQ(facts.excludedFromCapture, (std::map<WindowId, bool>{{id, true}}));
    hidden.SetDisplayOptions({});
    EXPECT_EQ(facts.excludedFromCapture, (std::map<WindowId, bool>{{id, false}}));
    hidden.Unload();
    facts.build = 18363;  // Windows 10 version 1909
    facts.excludedFromCapture.clear();
    hidden.Load();
    EXPECT_TRUE(facts.excludedFromCapture.empty()) << "left alone before build 19041";
    hidden.Unload();
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
    const DWORD before = GetTickCount();
    ASSERT_EQ(SendInput(2, input, sizeof *input), 2u);
    EXPECT_TRUE(arrives(WakeEvent::Moved) && arrives(WakeEvent::Key)) << "a move over the test's window and a key";
    EXPECT_LE(InputEvents::LastInputMs() - before, GetTickCount() - before) << "the last input on the same clock";
    SetForegroundWindow(first);
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

// A console's keys go to the thread of its default input-method window; an
// app frame's to its core window once it has one. Windows of those classes, made here.
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

// A control's rectangle in its parent's client area, as "left,top widthxheight".
std::string Place(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}

TEST_F(Windows, PositionDialogControlsAndOwner) {
    ASSERT_EQ(TwipsPerPixelX(), 15) << "the figures are those of 96 dots per inch";
    IndicatorForPosition owner(fwMain);
    PositionWindow dialog(owner, L"M3 - Set Position");
    ASSERT_TRUE(dialog.Load());
    const auto at = [&](int id) { return GetDlgItem(dialog.hWnd(), id); };
    const HWND desktop = at(position_control::kDesktop), bar = at(position_control::kBar);
    const auto places = [&] {
        RECT client{};
        GetClientRect(dialog.hWnd(), &client);
        return std::vector<std::string>{Place(desktop), Place(GetDlgItem(desktop, position_control::kCursor)), Place(bar),
                                        Place(GetDlgItem(bar, position_control::kCancel)),
                                        Place(GetDlgItem(bar, position_control::kOk)),
                                        Place(GetDlgItem(bar, position_control::kDefault)),
                                        std::to_string(client.right) + "x" + std::to_string(client.bottom)};
    };
    EXPECT_EQ(places(), (std::vector<std::string>{"3,26 412x332", "190,150 32x32", "0,357 417x58", "327,17 75x23",
                                                  "243,17 75x23", "159,17 75x23", "417x415"}));
    // Moved to a monitor at 144 dots per inch, where the system suggests: the label and the bar one and a half
    // times as high, the buttons 32 pixels down in the bar (as at 144 on one monitor); the preview in pixels.
    RECT suggested{-900, -700, -300, -100};
    SendMessageW(dialog.hWnd(), WM_DPICHANGED, MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&suggested));
    EXPECT_EQ(places(), (std::vector<std::string>{"3,54 412x332", "190,150 32x32", "0,385 417x87", "327,32 75x23",
                                                  "243,32 75x23", "159,32 75x23", "417x472"}));
    RECT r{};
    GetWindowRect(dialog.hWnd(), &r);
    EXPECT_EQ(std::pair(r.left, r.top), std::pair(-900L, -700L));
    EXPECT_EQ(GetWindow(dialog.hWnd(), GW_OWNER), fwMain.hWnd());
    dialog.Unload();
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
    EXPECT_EQ(files.Stored(fwMain.Tag(), L"Main", L"Show"), L"2");
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
