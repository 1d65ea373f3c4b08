#pragma once
// Which window's thread holds the keyboard layout the user's typing goes to.
// Modern apps (WebView2, Electron, WinUI, UWP) keep the window with the
// keyboard focus on another thread than their top-level or frame window, so
// the thread of the window under the cursor is not always the right one.
#include <optional>

#include "platform/window_id.h"

namespace morvane {

// Plain facts about the windows involved, read by the tick.
struct LayoutFacts {
    WindowId indicator = kNoWindow;   // the indicator itself
    WindowId under = kNoWindow;       // the window under the cursor
    WindowId root = kNoWindow;        // its top-level window
    WindowId foreground = kNoWindow;  // the foreground window; kNoWindow when there is none
    // The window with the keyboard focus on the foreground window's thread;
    // kNoWindow when unknown (only read when root is the foreground window).
    WindowId focus = kNoWindow;
    // The core window inside root when root is an app frame whose content runs
    // on another thread; kNoWindow otherwise.
    WindowId coreWindow = kNoWindow;
};

// The window whose thread's layout to read, or nothing when the cursor is
// over the indicator (what is shown stays as it is):
// - over the foreground window's top-level window, the focus window there;
// - over an app frame without a usable focus, its core window;
// - otherwise the window under the cursor.
std::optional<WindowId> LayoutSourceWindow(const LayoutFacts& facts);

} // namespace morvane
