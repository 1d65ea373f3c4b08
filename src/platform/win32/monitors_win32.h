#pragma once
// The monitors through user32, each monitor's scale through shcore's
// GetDpiForMonitor, looked up at run time: systems before Windows 8.1 lack
// it, and there every monitor has the system's scale.
#include <windows.h>

#include "platform/monitors.h"
#include "platform/win32/lazy_library.h"

namespace morvane::win32 {

class Win32Monitors : public Monitors {
public:
    std::vector<Monitor> All() const override;
    int SystemDpi() const override;

private:
    mutable LazyLibrary shcore_{L"shcore.dll"};
};

// The system's own monitors.
const Monitors& SystemMonitors();

// The monitor that holds the mouse cursor now, read afresh: dialogs open
// where the user looks, on a monitor that exists.
Monitor MonitorUnderCursor();

// Screen pixels as the system gives a rectangle.
ScreenRect ScreenRectOf(const RECT& rect);

} // namespace morvane::win32
