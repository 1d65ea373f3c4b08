#include "services/win32/set_form_size.h"

#include "platform/twips.h"
#include "platform/win32/screen_metrics.h"

namespace morvane::win32 {

namespace {

bool DiffersInPixels(double current, double wanted, double twipsPerPixel) {
    return PixelsFromTwips(current, twipsPerPixel) != PixelsFromTwips(wanted, twipsPerPixel);
}

} // namespace

void SetFormSize(Window& window, double width, double height) {
    const HWND handle = window.hWnd();
    if (!handle) return;
    const bool topLevel = (GetWindowLongPtrW(handle, GWL_STYLE) & WS_CHILD) == 0;
    if (topLevel && IsIconic(handle)) return;
    if (DiffersInPixels(window.Width(), width, TwipsPerPixelX())) window.SetWidth(width);
    if (DiffersInPixels(window.Height(), height, TwipsPerPixelY())) window.SetHeight(height);
}

} // namespace morvane::win32
