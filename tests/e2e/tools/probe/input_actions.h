#pragma once
// probe click | close | key | move: small actions on the program's windows
// that a script cannot do with the mouse and keyboard of the X server alone.
#include <windows.h>

#include <string>
#include <vector>

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

// Asks every top-level window of the class or title (or the one with that
// handle) to close.
inline int CloseWindows(const std::wstring& name) {
    std::vector<HWND> targets;
    if (ParseNumber(name)) {
        if (const HWND hwnd = FindWindowNamed(name)) targets.push_back(hwnd);
    } else {
        for (const HWND hwnd : TopLevelWindows())
            if (ClassOf(hwnd) == name || TitleOf(hwnd) == name) targets.push_back(hwnd);
    }
    for (const HWND hwnd : targets) PostMessageW(hwnd, WM_CLOSE, 0, 0);
    Record(L"closed").Field(L"count", static_cast<long long>(targets.size())).Print();
    return targets.empty() ? 2 : 0;
}

// A key of the system's input, by virtual-key code: "press" is down and up.
// Wine tells the right Shift key from the left one by the extended-key flag
// (Windows by the code itself), so the right one gets that flag: it is then
// the right one on both.
inline int SendKey(WORD vk, const std::wstring& how) {
    INPUT inputs[2]{};
    UINT count = 0;
    const auto scan = static_cast<WORD>(MapVirtualKeyW(vk, MAPVK_VK_TO_VSC));
    const DWORD side = vk == VK_RSHIFT ? KEYEVENTF_EXTENDEDKEY : 0;
    if (how != L"up") {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.wScan = scan;
        inputs[count++].ki.dwFlags = side;
    }
    if (how != L"down") {
        inputs[count].type = INPUT_KEYBOARD;
        inputs[count].ki.wVk = vk;
        inputs[count].ki.wScan = scan;
        inputs[count++].ki.dwFlags = side | KEYEVENTF_KEYUP;
    }
    const UINT sent = SendInput(count, inputs, sizeof(INPUT));
    Record(L"key").Field(L"vk", vk).Field(L"scan", HexText(scan)).Field(L"sent", sent).Print();
    return sent == count ? 0 : 2;
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

// Where the system has the cursor, and the rectangle it is confined to.
inline int ReportCursor() {
    POINT at{};
    RECT clip{};
    GetCursorPos(&at);
    GetClipCursor(&clip);
    Record(L"cursor")
        .Field(L"x", at.x)
        .Field(L"y", at.y)
        .Field(L"clip", RectText(clip))
        .Print();
    return 0;
}

// Whether each key is held now, as the system's input state has it.
inline int ReportKeyStates(const std::vector<WORD>& keys) {
    for (const WORD vk : keys)
        Record(L"keystate")
            .Field(L"vk", HexText(vk))
            .Flag(L"held", (static_cast<unsigned short>(GetAsyncKeyState(vk)) & 0x8000) != 0)
            .Print();
    return 0;
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
