#pragma once
// The program's windows behind the interfaces the control menu's commands
// and the position dialog use.
#include <windows.h>

#include "about/win32/about_window.h"
#include "indicator/win32/main_window.h"
#include "menu/command_windows.h"
#include "menu/win32/menu_window.h"
#include "position/win32/position_owner.h"
#include "position/win32/position_window.h"

namespace morvane::win32 {

// fwMain. The window must outlive this object.
class IndicatorForCommands final : public CommandIndicator {
public:
    explicit IndicatorForCommands(MainWindow& fwMain) : fwMain_(fwMain) {}

    WindowId hWnd() const override { return reinterpret_cast<WindowId>(fwMain_.hWnd()); }
    const StdFont& Font() const override { return fwMain_.Font; }
    void SetFont(const StdFont& font) override { fwMain_.Font = font; }
    Colour ForeColor() const override { return fwMain_.ForeColor; }
    void SetForeColor(Colour colour) override { fwMain_.ForeColor = colour; }
    std::int32_t PixelsPerInchY() const override;

    void SetVisible(bool visible) override { fwMain_.SetVisible(visible); }
    void SetTimerEnabled(bool enabled) override { fwMain_.SetTracking(enabled); }
    Colour BackColor() const override { return fwMain_.BackColor; }
    void SetBackColor(Colour colour) override { fwMain_.BackColor = colour; }
    std::int32_t MarginWidth() const override { return fwMain_.MARGIN_Width; }
    void SetMarginWidth(std::int32_t margin) override { fwMain_.MARGIN_Width = margin; }
    void zPaintCursor() override { fwMain_.zPaintCursor(); }
    void RestoreFullRectangle() override;
    std::wstring SettingsFile() const override { return fwMain_.Tag(); }
    void Unload() override { fwMain_.Unload(); }

private:
    MainWindow& fwMain_;
};

// fwMenu. The window must outlive this object.
class MenuForCommands final : public CommandMenu {
public:
    explicit MenuForCommands(MenuWindow& fwMenu) : fwMenu_(fwMenu) {}

    WindowId Id() const override { return reinterpret_cast<WindowId>(fwMenu_.hWnd()); }
    bool TransparentChecked() const override { return fwMenu_.TransparentChecked(); }
    void SetTransparentChecked(bool on) override { fwMenu_.SetTransparentChecked(on); }
    bool StartChecked() const override { return fwMenu_.StartChecked(); }
    void SetStartChecked(bool on) override { fwMenu_.SetStartChecked(on); }
    void SetMarginChecked(int index, bool on) override { fwMenu_.SetMarginChecked(index, on); }
    void Unload() override { fwMenu_.Unload(); }

private:
    MenuWindow& fwMenu_;
};

// fwAbout and fwPos. The windows must outlive this object.
class DialogsForCommands final : public CommandDialogs {
public:
    DialogsForCommands(AboutWindow& fwAbout, PositionWindow& fwPos) : fwAbout_(fwAbout), fwPos_(fwPos) {}

    void ShowAboutModal(AboutMode mode, const std::wstring& settingsFile) override {
        fwAbout_.ShowModal(mode, settingsFile);
    }
    bool ShowPosition() override { return fwPos_.Show(); }

private:
    AboutWindow& fwAbout_;
    PositionWindow& fwPos_;
};

// fwMain as the position dialog's owner. The window must outlive this object.
class IndicatorForPosition final : public PositionOwner {
public:
    explicit IndicatorForPosition(MainWindow& fwMain) : fwMain_(fwMain) {}

    const Window& IndicatorWindow() const override { return fwMain_; }
    Colour IndicatorForeColor() const override { return fwMain_.ForeColor; }
    Colour IndicatorBackColor() const override { return fwMain_.BackColor; }
    const StdFont& IndicatorFont() const override { return fwMain_.Font; }
    std::int32_t CursorWidth() const override { return fwMain_.CURSOR_Width; }
    std::int32_t CursorHeight() const override { return fwMain_.CURSOR_Height; }
    PositionOffsets Offsets() const override { return {fwMain_.POSITION_Left, fwMain_.POSITION_TOP}; }
    void SetOffsets(PositionOffsets offsets) override {
        fwMain_.POSITION_Left = offsets.left;
        fwMain_.POSITION_TOP = offsets.top;
    }
    void zPaintCursor(PictureBox& vObj) override { fwMain_.zPaintCursor(vObj); }
    void zPosition_Return() override { fwMain_.zPosition_Return(); }

private:
    MainWindow& fwMain_;
};

} // namespace morvane::win32
