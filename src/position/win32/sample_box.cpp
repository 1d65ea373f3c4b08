#include "position/win32/sample_box.h"

#include <windowsx.h>

namespace morvane::win32 {

namespace {

void Run(const std::function<void()>& handler) {
    if (handler) handler();
}

} // namespace

LRESULT SampleBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_XBUTTONDOWN:
        // Capturing again would report the capture as lost to the box itself.
        if (GetCapture() != hWnd()) SetCapture(hWnd());
        Run(OnPress);
        return message == WM_XBUTTONDOWN ? TRUE : 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
    case WM_XBUTTONUP:
        // Any release ends the drag, even while another button is still held.
        Run(OnRelease);
        if (GetCapture() == hWnd()) ReleaseCapture();
        return message == WM_XBUTTONUP ? TRUE : 0;
    case WM_CAPTURECHANGED:
        // The system took the mouse away (another window, a task switch): the
        // release will never come here, so the drag ends now.
        if (reinterpret_cast<HWND>(lParam) != hWnd()) Run(OnRelease);
        return 0;
    case WM_MOUSEMOVE:
        if (OnMove) OnMove({GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)});
        return 0;
    default:
        return PictureBox::HandleMessage(message, wParam, lParam);
    }
}

} // namespace morvane::win32
