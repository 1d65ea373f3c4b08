#include "platform/win32/surface_window.h"

namespace morvane::win32 {

LRESULT SurfaceWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT:
        surface_.PaintWindow(hWnd());
        return 0;
    default:
        return Window::HandleMessage(message, wParam, lParam);
    }
}

} // namespace morvane::win32
