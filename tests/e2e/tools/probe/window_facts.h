#pragma once
// What the probe reads about windows of any process: lists, class, text,
// geometry, shape, the owning process and its executable.
#include <windows.h>

#include <string>
#include <vector>

#include "output.h"
#include "platform/win32/handles.h"

namespace morvane::probe {

// Collects each window it is called with into the std::vector<HWND> behind list.
inline BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM list) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
    return TRUE;
}

inline std::vector<HWND> TopLevelWindows() {
    std::vector<HWND> windows;
    EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

// Every descendant, parents before their children.
inline std::vector<HWND> DescendantWindows(HWND parent) {
    std::vector<HWND> windows;
    EnumChildWindows(parent, CollectWindow, reinterpret_cast<LPARAM>(&windows));
    return windows;
}

inline std::wstring ClassOf(HWND hwnd) {
    wchar_t buffer[256] = {};
    GetClassNameW(hwnd, buffer, 256);
    return buffer;
}

// The caption as the system keeps it: no message reaches the window.
inline std::wstring TitleOf(HWND hwnd) {
    std::wstring text(static_cast<size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
    text.resize(static_cast<size_t>(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size()))));
    return text;
}

// The text a control holds (an edit box keeps its own): asked with
// WM_GETTEXT, never waiting more than a second on a hung window.
inline std::wstring ControlTextOf(HWND hwnd) {
    DWORD_PTR length = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 1000, &length)) return TitleOf(hwnd);
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutW(hwnd, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data()),
                             SMTO_ABORTIFHUNG, 1000, &copied))
        return TitleOf(hwnd);
    text.resize(static_cast<size_t>(copied));
    return text;
}

inline RECT ScreenRectOf(HWND hwnd) {
    RECT r{};
    GetWindowRect(hwnd, &r);
    return r;
}

// The client area in screen coordinates: what the window's controls may fill.
inline RECT ClientScreenRectOf(HWND hwnd) {
    RECT r{};
    GetClientRect(hwnd, &r);
    MapWindowPoints(hwnd, nullptr, reinterpret_cast<POINT*>(&r), 2);
    return r;
}

inline DWORD ProcessOf(HWND hwnd) {
    DWORD pid = 0;
    GetWindowThreadProcessId(hwnd, &pid);
    return pid;
}

inline std::wstring ExecutableOf(DWORD pid) {
    const win32::UniqueKernelHandle process(OpenProcess(PROCESS_QUERY_LIMITED_INFORMATION, FALSE, pid));
    if (!process) return {};
    wchar_t path[MAX_PATH * 2] = {};
    DWORD size = MAX_PATH * 2;
    if (!QueryFullProcessImageNameW(process.get(), 0, path, &size)) return {};
    return path;
}

inline bool IsTopmost(HWND hwnd) { return (GetWindowLongPtrW(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0; }

// "none" without a window region, else its bounding box in window
// coordinates and the number of rectangles it is made of.
inline std::wstring RegionText(HWND hwnd) {
    const win32::UniqueRegion region(CreateRectRgn(0, 0, 0, 0));
    if (!region || GetWindowRgn(hwnd, region.get()) == ERROR) return L"none";
    RECT box{};
    GetRgnBox(region.get(), &box);
    const DWORD bytes = GetRegionData(region.get(), 0, nullptr);
    std::vector<BYTE> data(bytes);
    DWORD count = 0;
    if (bytes >= sizeof(RGNDATAHEADER) &&
        GetRegionData(region.get(), bytes, reinterpret_cast<RGNDATA*>(data.data())) == bytes)
        count = reinterpret_cast<const RGNDATA*>(data.data())->rdh.nCount;
    return RectText(box) + L"/" + std::to_wstring(count);
}

// A window named on the command line: a handle (decimal or 0x...), else the
// first top-level window of that class, else the first with that title.
inline HWND FindWindowNamed(const std::wstring& name) {
    if (const auto number = ParseNumber(name)) {
        const HWND hwnd = reinterpret_cast<HWND>(static_cast<INT_PTR>(*number));
        return IsWindow(hwnd) ? hwnd : nullptr;
    }
    for (const HWND hwnd : TopLevelWindows())
        if (ClassOf(hwnd) == name) return hwnd;
    for (const HWND hwnd : TopLevelWindows())
        if (TitleOf(hwnd) == name) return hwnd;
    return nullptr;
}

// The caption without its access-key marks: "&Yes" and "Yes" both match.
inline std::wstring WithoutMnemonics(const std::wstring& text) {
    std::wstring plain;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == L'&' && i + 1 < text.size()) ++i;
        plain.push_back(text[i]);
    }
    return plain;
}

inline HWND FindControlByText(HWND top, const std::wstring& text) {
    const std::wstring wanted = WithoutMnemonics(text);
    for (const HWND child : DescendantWindows(top))
        if (WithoutMnemonics(ControlTextOf(child)) == wanted) return child;
    return nullptr;
}

} // namespace morvane::probe
