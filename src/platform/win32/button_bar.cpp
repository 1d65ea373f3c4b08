#include "platform/win32/button_bar.h"

namespace morvane::win32 {

namespace {

constexpr Colour kMenuColour = kSystemColourFlag | COLOR_MENU;

} // namespace

bool ButtonBar::Load(HWND parent, int childId) {
    Surface().SetBackColor(kMenuColour);
    if (!PictureBox::Load(parent, childId)) return false;
    SetWindowLongPtrW(hWnd(), GWL_STYLE, GetWindowLongPtrW(hWnd(), GWL_STYLE) | WS_CLIPCHILDREN);
    SetWindowLongPtrW(hWnd(), GWL_EXSTYLE, GetWindowLongPtrW(hWnd(), GWL_EXSTYLE) | WS_EX_CONTROLPARENT);
    return true;
}

LRESULT ButtonBar::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CTLCOLORBTN:
        return reinterpret_cast<LRESULT>(GetSysColorBrush(COLOR_MENU));
    case WM_PRINTCLIENT: {
        const DrawingSurface& surface = Surface();
        BitBlt(reinterpret_cast<HDC>(wParam), 0, 0, surface.WidthPixels(), surface.HeightPixels(), surface.hDC(), 0,
               0, SRCCOPY);
        return 0;
    }
    default:
        return PictureBox::HandleMessage(message, wParam, lParam);
    }
}

} // namespace morvane::win32
