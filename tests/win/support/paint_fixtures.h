#pragma once
// What the painting tests share: the indicator's default font and a hidden
// borderless window to paint on.
#include <windows.h>

#include "services/font.h"

namespace morvane::win32::test_support {

// Tahoma 8 points bold, the indicator's font when nothing is stored.
inline StdFont DefaultIndicatorFont() {
    StdFont font;
    font.Name = L"Tahoma";
    font.Size = SettingsNumber(8);
    font.SetBold(true);
    return font;
}

// A hidden borderless top-level window, destroyed with the object.
class PopupWindow {
public:
    PopupWindow()
        : handle_(CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr,
                                  GetModuleHandleW(nullptr), nullptr)) {}
    PopupWindow(const PopupWindow&) = delete;
    PopupWindow& operator=(const PopupWindow&) = delete;
    ~PopupWindow() { DestroyWindow(handle_); }
    HWND get() const { return handle_; }

private:
    HWND handle_;
};

} // namespace morvane::win32::test_support
