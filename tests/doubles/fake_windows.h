#pragma once
// The program's windows and the common dialogs as state a test sets and reads.
#include <functional>
#include <string>
#include <tuple>
#include <vector>

#include "menu/command_windows.h"
#include "menu/control_menu_state.h"
#include "platform/common_dialogs.h"
#include "startup/startup_windows.h"

namespace morvane {

// Common dialogs that are cancelled at once.
struct FakeDialogs : CommonDialogs {
    bool PickColour(WindowId, std::uint32_t&, std::array<std::int32_t, 16>&, const std::wstring&) override { return false; }
    FontDialogResult PickFont(WindowId, FontDescription&, std::uint32_t&, const std::wstring&) override {
        return FontDialogResult::Cancelled;
    }
};

struct FakeIndicator : CommandIndicator {
    WindowId hWnd() const override { return 7; }
    const StdFont& Font() const override { return font; }
    void SetFont(const StdFont& f) override { font = f; }
    Colour ForeColor() const override { return foreColor; }
    void SetForeColor(Colour c) override { foreColor = c; }
    std::int32_t PixelsPerInchY() const override { return 96; }
    void SetVisible(bool on) override { visible = on; }
    void SetTimerEnabled(bool on) override { timer = on; }
    Colour BackColor() const override { return backColor; }
    void SetBackColor(Colour c) override { backColor = c; }
    std::int32_t MarginWidth() const override { return margin; }
    void SetMarginWidth(std::int32_t m) override { margin = m; }
    void zPaintCursor() override { ++paints; }
    void RestoreFullRectangle() override {}
    std::wstring SettingsFile() const override { return L"C:\\Tools\\Morvane3.dat"; }
    void Unload() override { loaded = false; }

    StdFont font;
    Colour foreColor = 0x0000FF, backColor = 0xFFFFFF;
    std::int32_t margin = 1;
    bool visible = true, timer = true, loaded = true;
    int paints = 0;
};

// The marks kept by the real menu's portable state.
struct FakeMenu : CommandMenu {
    WindowId Id() const override { return 8; }
    bool TransparentChecked() const override { return state.TransparentChecked(); }
    void SetTransparentChecked(bool on) override { state.SetTransparentChecked(on); }
    bool StartChecked() const override { return state.StartChecked(); }
    void SetStartChecked(bool on) override { state.SetStartChecked(on); }
    void SetMarginChecked(int index, bool on) override { state.SetMarginChecked(index, on); }
    void Unload() override { loaded = false; }
    ControlMenuState state;
    bool loaded = true;
};

// The about and position dialogs, closed at once.
struct FakeCommandDialogs : CommandDialogs {
    void ShowAboutModal(AboutMode, const std::wstring&) override {}
    bool ShowPosition() override { return true; }
};

// The acceptance's steps, in order: the order is what makes it safe.
struct FakeStartupWindows : StartupWindows {
    std::wstring NewLocationMark() const override { return mark; }
    void SetNewLocationMark(const std::wstring& m) override { mark = m; }
    void LoadMenuHolder() override { steps.push_back("menu"); }
    void SetStartChecked(bool on) override { start = on; }
    void SetTransparentChecked(bool on) override { transparent = on; }
    std::wstring LoadIndicatorAndGetTag() override {
        steps.push_back("indicator");
        if (onIndicator) onIndicator();
        return L"C:\\Tools\\Morvane3.dat";
    }
    void GiveIndicatorTheDialogIcon() override { steps.push_back("icon"); }
    void ShowIndicator() override { steps.push_back("show"); }
    void CloseDialog() override { steps.push_back("close"); }
    std::function<void()> onIndicator;  // what the test looks at when the indicator loads
    std::wstring mark;
    bool start = false, transparent = false;
    std::vector<std::string> steps;
};

} // namespace morvane
