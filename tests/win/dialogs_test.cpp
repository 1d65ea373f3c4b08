// Contracts of the dialogs with the real system: the common dialogs' titles
// and placement, and where the program's own dialogs put their controls.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <filesystem>
#include <thread>

#include "about/win32/about_window.h"
#include "doubles/fake_process_facts.h"
#include "doubles/fake_system.h"
#include "indicator/win32/paint_cursor.h"
#include "platform/win32/common_dialogs_win32.h"
#include "platform/win32/process_facts_win32.h"
#include "platform/win32/screen_metrics.h"
#include "position/win32/position_owner.h"
#include "position/win32/position_window.h"

namespace morvane::win32 {
namespace {

// What a dialog of this thread looked like once it came up; it is then cancelled.
struct DialogSeen {
    std::wstring caption;
    bool topmost = false;
    RECT outer{};
};

DialogSeen CancelTheDialogOf(DWORD thread) {
    DialogSeen seen;
    for (int attempt = 0; attempt < 2000; ++attempt, Sleep(10)) {
        HWND dialog = nullptr;
        EnumThreadWindows(thread, [](HWND w, LPARAM found) {
            wchar_t name[16] = {};
            GetClassNameW(w, name, 16);
            if (std::wstring(name) != L"#32770" || !IsWindowVisible(w)) return TRUE;
            *reinterpret_cast<HWND*>(found) = w;
            return FALSE;
        }, reinterpret_cast<LPARAM>(&dialog));
        if (!dialog) continue;
        wchar_t caption[128] = {};
        GetWindowTextW(dialog, caption, 128);
        seen = {caption, (GetWindowLongW(dialog, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0, {}};
        GetWindowRect(dialog, &seen.outer);
        PostMessageW(dialog, WM_COMMAND, IDCANCEL, reinterpret_cast<LPARAM>(GetDlgItem(dialog, IDCANCEL)));
        break;
    }
    return seen;
}

TEST(Dialogs, CommonDialogsAreTitledTopmostAndCentred) {
    Win32CommonDialogs dialogs;
    for (const bool colour : {true, false}) {
        DialogSeen seen;
        std::thread user([&, ui = GetCurrentThreadId()] { seen = CancelTheDialogOf(ui); });
        std::uint32_t picked = 0xFFFFFF;
        std::array<std::int32_t, 16> custom{};
        FontDescription font;
        font.height = -13;
        const bool picked_ = colour ? dialogs.PickColour(0, picked, custom, L"M3 - Colour")
                                    : dialogs.PickFont(0, font, picked, L"M3 - Font") != FontDialogResult::Cancelled;
        EXPECT_FALSE(picked_);
        user.join();
        EXPECT_EQ(seen.caption, colour ? L"M3 - Colour" : L"M3 - Font");
        EXPECT_TRUE(seen.topmost);
        const int width = seen.outer.right - seen.outer.left, height = seen.outer.bottom - seen.outer.top;
        EXPECT_LE(std::abs(seen.outer.left - (GetSystemMetrics(SM_CXSCREEN) - width) / 2), 1) << colour;
        EXPECT_LE(std::abs(seen.outer.top - (GetSystemMetrics(SM_CYSCREEN) - height) / 2), 1) << colour;
        EXPECT_EQ(picked, 0xFFFFFFu) << "cancel keeps the colour";
    }
}

// A control's rectangle in its parent's client area, as "left,top widthxheight".
std::string Place(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    MapWindowPoints(nullptr, GetParent(control), reinterpret_cast<POINT*>(&r), 2);
    return std::to_string(r.left) + "," + std::to_string(r.top) + " " + std::to_string(r.right - r.left) + "x" +
           std::to_string(r.bottom - r.top);
}
std::string ClientOf(HWND window) {
    RECT r{};
    GetClientRect(window, &r);
    return std::to_string(r.right) + "x" + std::to_string(r.bottom);
}

struct Owner : Window, PositionOwner {
    bool Load() {
        WindowDesign design;
        design.className = L"Morvane3DialogsTestOwner";
        design.style = WS_POPUP;
        return Create(design);
    }
    const Window& IndicatorWindow() const override { return *this; }
    Colour IndicatorForeColor() const override { return 0x0000FF; }
    Colour IndicatorBackColor() const override { return 0xFFFFFF; }
    const StdFont& IndicatorFont() const override { return font; }
    std::int32_t CursorWidth() const override { return 32; }
    std::int32_t CursorHeight() const override { return 32; }
    PositionOffsets Offsets() const override { return {}; }
    void SetOffsets(PositionOffsets) override {}
    void zPaintCursor(PictureBox& box) override {
        PaintIndicator(box.Surface(), box.hWnd(), {L"EN", 1, false, ScreenTwipsPerPixel()});
    }
    void zPosition_Return() override {}
    StdFont font;
};

TEST(Dialogs, PositionDialogControls) {
    ASSERT_EQ(TwipsPerPixelX(), 15) << "the figures are those of 96 dots per inch";
    Owner owner;
    ASSERT_TRUE(owner.Load());
    PositionWindow dialog(owner, L"M3 - Set Position");
    ASSERT_TRUE(dialog.Load());
    const auto at = [&](int id) { return GetDlgItem(dialog.hWnd(), id); };
    const HWND desktop = at(position_control::kDesktop), bar = at(position_control::kBar);
    EXPECT_EQ((std::vector<std::string>{ClientOf(dialog.hWnd()), Place(desktop), ClientOf(desktop),
                                        Place(GetDlgItem(desktop, position_control::kCursor)), Place(bar),
                                        Place(GetDlgItem(bar, position_control::kCancel)),
                                        Place(GetDlgItem(bar, position_control::kOk)),
                                        Place(GetDlgItem(bar, position_control::kDefault))}),
              (std::vector<std::string>{"417x415", "3,26 412x332", "408x328", "190,150 32x32", "0,357 417x58",
                                        "327,17 75x23", "243,17 75x23", "159,17 75x23"}));
    EXPECT_EQ(GetWindow(dialog.hWnd(), GW_OWNER), owner.hWnd());
    dialog.Unload();
}

struct Host : AboutHost {
    bool OnLoadChecks(AboutMode) override { return true; }
    void OnLoadLocationCheck(AboutMode) override {}
    void OnYes() override {}
};
struct NoShell : Shell {
    bool Open(const std::wstring&, const std::wstring&, int) override { return true; }
};

TEST(Dialogs, AboutDialogControls) {
    ASSERT_EQ(TwipsPerPixelX(), 15);
    const std::filesystem::path program = std::filesystem::path(ModulePath(nullptr)).parent_path() / L"Morvane3.exe";
    const HINSTANCE resources = LoadLibraryExW(program.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE);
    Host host;
    FakeProfileFiles files;
    const SettingsStore store(files);
    NoShell shell;
    AboutWindow dialog(host, store, shell, FakeProcessFacts{}.version, {L"a", L"h"}, resources);
    ASSERT_TRUE(dialog.Load(AboutMode::FirstRun));
    dialog.Show();
    const auto at = [&](int id) { return GetDlgItem(dialog.hWnd(), id); };
    const HWND bar = at(about_control::kBar);
    EXPECT_EQ((std::vector<std::string>{ClientOf(dialog.hWnd()), Place(at(about_control::kIcon)),
                                        Place(at(about_control::kText)), Place(at(about_control::kPicture)), Place(bar),
                                        Place(GetDlgItem(bar, about_control::kNo)), Place(GetDlgItem(bar, about_control::kYes))}),
              (std::vector<std::string>{"442x246", "21,23 32x32", "62,23 350x180", "132,73 210x90", "0,203 442x43",
                                        "352,10 75x23", "268,10 75x23"}));
    EXPECT_EQ(GetForegroundWindow(), dialog.hWnd());
    EXPECT_TRUE(GetWindowLongW(dialog.hWnd(), GWL_EXSTYLE) & WS_EX_TOPMOST);
    dialog.Unload();
    FreeLibrary(resources);
}

} // namespace
} // namespace morvane::win32
