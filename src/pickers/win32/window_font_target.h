#pragma once
// A window of the toolkit as the font picker's target: its handle, the font
// and text colour members it paints with, and its screen resolution.
#include <windows.h>

#include "pickers/font_target.h"

namespace morvane::win32 {

class WindowFontTarget : public FontTarget {
public:
    // font and foreColor are the window's members; they must outlive this.
    WindowFontTarget(HWND window, StdFont& font, Colour& foreColor)
        : window_(window), font_(font), foreColor_(foreColor) {}

    WindowId hWnd() const override { return reinterpret_cast<WindowId>(window_); }
    const StdFont& Font() const override { return font_; }
    void SetFont(const StdFont& font) override { font_ = font; }
    Colour ForeColor() const override { return foreColor_; }
    void SetForeColor(Colour colour) override { foreColor_ = colour; }
    std::int32_t PixelsPerInchY() const override;

private:
    HWND window_;
    StdFont& font_;
    Colour& foreColor_;
};

} // namespace morvane::win32
