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

// Windows 10 version 2004 and later; older systems take it as WDA_MONITOR
// and capture shows a black box where the window is.
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

Win32DisplayFacts::Win32DisplayFacts(std::uint32_t build) : ibeam_(LoadCursorW(nullptr, IDC_IBEAM)), build_(build) {}

std::uint32_t Win32DisplayFacts::RunningBuild() {
    using GetVersionFunction = LONG(WINAPI*)(OSVERSIONINFOW*);
    const auto getVersion = reinterpret_cast<GetVersionFunction>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"ntdll.dll"), "RtlGetVersion")));
    OSVERSIONINFOW version{};
    version.dwOSVersionInfoSize = sizeof(version);
    return getVersion != nullptr && getVersion(&version) == 0 ? version.dwBuildNumber : 0;
}

// Flags 0 is hidden, and so is CURSOR_SUPPRESSED alone (touch or pen input):
// either way the shape says nothing about what is under it now.
PointerShown Win32DisplayFacts::Pointer() const {
    CURSORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetCursorInfo(&info) || (info.flags & CURSOR_SHOWING) == 0) return PointerShown::Hidden;
    return info.hCursor == ibeam_ ? PointerShown::IBeam : PointerShown::Other;
}

// A thread's key state follows the keyboard messages it has read, and this
// thread reads none; asking for any key first brings its state up to the
// system's own, toggles included, without joining another thread's input.
std::optional<bool> Win32DisplayFacts::CapsLockOn() const {
    GetKeyState(0);
    BYTE keys[256]{};
    if (!GetKeyboardState(keys)) return std::nullopt;
    return (keys[VK_CAPITAL] & 1) != 0;
}

WindowFrame Win32DisplayFacts::FrameOf(WindowId window) const {
    RECT rect{};
    if (!GetWindowRect(AsHwnd(window), &rect)) return {};
    const LONG_PTR style = GetWindowLongPtrW(AsHwnd(window), GWL_STYLE);
    return {FromRect(rect), (style & WS_CAPTION) == WS_CAPTION, (style & WS_MAXIMIZE) != 0};
}

std::wstring Win32DisplayFacts::ClassNameOf(WindowId window) const {
    std::array<wchar_t, 256> buffer{};
    const int length = GetClassNameW(AsHwnd(window), buffer.data(), static_cast<int>(buffer.size()));
    return std::wstring(buffer.data(), static_cast<std::size_t>(length > 0 ? length : 0));
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
