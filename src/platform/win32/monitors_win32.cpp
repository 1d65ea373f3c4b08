#include "platform/win32/monitors_win32.h"

#include <algorithm>

#include "platform/win32/screen_metrics.h"

namespace morvane::win32 {

namespace {

constexpr int kEffectiveDpi = 0;  // MDT_EFFECTIVE_DPI: the scale the user chose
using DpiForMonitor = HRESULT WINAPI(HMONITOR, int, UINT*, UINT*);

struct Enumeration {
    std::vector<Monitor> monitors;
    DpiForMonitor* dpiForMonitor;
    int systemDpi;
};

BOOL CALLBACK AddMonitor(HMONITOR handle, HDC, LPRECT, LPARAM found) {
    auto& enumeration = *reinterpret_cast<Enumeration*>(found);
    MONITORINFO info{};
    info.cbSize = sizeof(info);
    if (!GetMonitorInfoW(handle, &info)) return TRUE;
    UINT dpiX = 0;
    UINT dpiY = 0;
    const bool scaled = enumeration.dpiForMonitor != nullptr &&
                        SUCCEEDED(enumeration.dpiForMonitor(handle, kEffectiveDpi, &dpiX, &dpiY)) && dpiX > 0;
    const Monitor monitor{ScreenRectOf(info.rcMonitor), scaled ? static_cast<int>(dpiX) : enumeration.systemDpi};
    const bool primary = (info.dwFlags & MONITORINFOF_PRIMARY) != 0;
    enumeration.monitors.insert(primary ? enumeration.monitors.begin() : enumeration.monitors.end(), monitor);
    return TRUE;
}

} // namespace

ScreenRect ScreenRectOf(const RECT& rect) {
    return {rect.left, rect.top, rect.right, rect.bottom};
}

std::vector<Monitor> Win32Monitors::All() const {
    Enumeration enumeration{{}, shcore_.Find<DpiForMonitor>("GetDpiForMonitor"), SystemDpi()};
    EnumDisplayMonitors(nullptr, nullptr, &AddMonitor, reinterpret_cast<LPARAM>(&enumeration));
    if (enumeration.monitors.empty()) {
        const ScreenRect primary{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
        enumeration.monitors.push_back({primary, enumeration.systemDpi});
    }
    return std::move(enumeration.monitors);
}

int Win32Monitors::SystemDpi() const {
    return ScreenDpi();
}

const Monitors& SystemMonitors() {
    static const Win32Monitors monitors;
    return monitors;
}

Monitor MonitorUnderCursor() {
    POINT cursor{};
    GetCursorPos(&cursor);
    return MonitorAt(SystemMonitors().All(), {cursor.x, cursor.y});
}

} // namespace morvane::win32
