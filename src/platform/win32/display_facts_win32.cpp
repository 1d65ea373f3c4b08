#include "platform/win32/display_facts_win32.h"

#include <array>

namespace morvane::win32 {

namespace {

HWND AsHwnd(WindowId window) {
    return reinterpret_cast<HWND>(window);
}

ScreenRect FromRect(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

// Windows 10 version 2004 and later; older systems refuse it.
constexpr DWORD kExcludeFromCapture = 0x11;  // WDA_EXCLUDEFROMCAPTURE
constexpr DWORD kCaptureAllowed = 0;         // WDA_NONE

using SetAffinityFunction = BOOL(WINAPI*)(HWND, DWORD);

// Looked up at run time: systems before Windows 7 lack the function.
SetAffinityFunction SetAffinity() {
    static const auto function = reinterpret_cast<SetAffinityFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "SetWindowDisplayAffinity")));
    return function;
}

} // namespace

Win32DisplayFacts::Win32DisplayFacts() : ibeam_(LoadCursorW(nullptr, IDC_IBEAM)) {}

bool Win32DisplayFacts::CursorIsIBeam() const {
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    return GetCursorInfo(&info) && (info.flags & CURSOR_SHOWING) != 0 && info.hCursor == ibeam_;
}

bool Win32DisplayFacts::CapsLockOn() const {
    // The toggle state follows the keyboard messages a thread has read, so
    // this thread, which reads none, shares the input state of the thread
    // the user types in while it asks.
    const DWORD own = GetCurrentThreadId();
    const DWORD typing = GetWindowThreadProcessId(GetForegroundWindow(), nullptr);
    const bool attached = typing != 0 && typing != own && AttachThreadInput(own, typing, TRUE);
    const bool on = (GetKeyState(VK_CAPITAL) & 1) != 0;
    if (attached) AttachThreadInput(own, typing, FALSE);
    return on;
}

ScreenRect Win32DisplayFacts::WindowRect(WindowId window) const {
    RECT rect{};
    if (window != kNoWindow) GetWindowRect(AsHwnd(window), &rect);
    return FromRect(rect);
}

bool Win32DisplayFacts::IsDesktop(WindowId window) const {
    return AsHwnd(window) == GetShellWindow() || AsHwnd(window) == GetDesktopWindow();
}

ScreenRect Win32DisplayFacts::MonitorRectOf(WindowId window) const {
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(MonitorFromWindow(AsHwnd(window), MONITOR_DEFAULTTONEAREST), &info)) return {};
    return FromRect(info.rcMonitor);
}

std::wstring Win32DisplayFacts::CountryName(std::uint16_t languageId) const {
    std::array<wchar_t, 10> buffer{};
    const int written = GetLocaleInfoW(MAKELCID(languageId, SORT_DEFAULT), LOCALE_SISO3166CTRYNAME, buffer.data(),
                                       static_cast<int>(buffer.size()));
    return written > 1 ? std::wstring(buffer.data()) : std::wstring();
}

std::uint32_t Win32DisplayFacts::NowMs() const {
    return GetTickCount();
}

bool Win32DisplayFacts::ExcludeFromCapture(WindowId window, bool on) const {
    const SetAffinityFunction setAffinity = SetAffinity();
    return setAffinity != nullptr && setAffinity(AsHwnd(window), on ? kExcludeFromCapture : kCaptureAllowed);
}

} // namespace morvane::win32
