#pragma once
// probe click | move | hold: small actions on the program's windows
// that a script cannot do with the mouse and keyboard of the X server alone.
#include <windows.h>

#include <string>

#include "output.h"
#include "window_facts.h"

namespace morvane::probe {

// Presses a button by its caption ("&Yes" or "Yes") as the button itself
// would on a click; posted, so that a modal loop it starts does not block us.
inline int ClickControl(HWND top, const std::wstring& text) {
    const HWND control = top ? FindControlByText(top, text) : nullptr;
    if (!control) {
        PrintLine(L"error\tno such control");
        return 2;
    }
    PostMessageW(control, BM_CLICK, 0, 0);
    Record(L"clicked").Field(L"hwnd", HandleText(control)).Field(L"text", ControlTextOf(control)).Print();
    return 0;
}

inline int MoveWindowTo(HWND hwnd, int x, int y, int width, int height) {
    if (!hwnd) {
        PrintLine(L"error\tno such window");
        return 2;
    }
    const bool ok = SetWindowPos(hwnd, nullptr, x, y, width, height, SWP_NOZORDER | SWP_NOACTIVATE) != FALSE;
    Record(L"moved").Field(L"hwnd", HandleText(hwnd)).Field(L"rect", RectText(ScreenRectOf(hwnd))).Print();
    return ok ? 0 : 2;
}

// Stays attached to Wine's desktop until ended: when the last program of a
// Wine session ends, Wine's desktop process ends too and leaves the X
// pointer of a server without a window manager stuck at the screen centre.
inline int HoldDesktop() {
    const HWND keeper = CreateWindowExW(0, L"STATIC", L"probe hold", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    if (!keeper) return 2;
    Record(L"holding").Field(L"hwnd", HandleText(keeper)).Print();
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) DispatchMessageW(&message);
    return 0;
}

} // namespace morvane::probe
