#include "startup/win32/command_windows_win32.h"

#include "pickers/win32/window_font_target.h"

namespace morvane::win32 {

std::int32_t IndicatorForCommands::PixelsPerInchY() const {
    return WindowFontTarget(fwMain_.hWnd(), fwMain_.Font, fwMain_.ForeColor).PixelsPerInchY();
}

void IndicatorForCommands::RestoreFullRectangle() {
    // No region: the window is its whole rectangle again. The system frees
    // the region it held.
    SetWindowRgn(fwMain_.hWnd(), nullptr, TRUE);
}

} // namespace morvane::win32
