#pragma once
// Which window's thread holds the keyboard layout the user's typing goes to.
// Modern apps (WebView2, Electron, WinUI, UWP) keep the window with the
// keyboard focus on another thread than their top-level or frame window, so
// the thread of the window under the cursor is not always the right one.
#include <optional>

#include "platform/input_cursor.h"
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
    // When root's own thread does not read its keys (an app frame, a
    // console), a window of the thread that does; kNoWindow otherwise.
    WindowId inputWindow = kNoWindow;
    // The threads of root and of the focus window, as the system names them
    // (only read when there are both an input window and a focus).
    ThreadId rootThread = 0;
    ThreadId focusThread = 0;
};

// The window whose thread's layout to read, or nothing when the cursor is
// over the indicator (what is shown stays as it is):
// - over the foreground window's top-level window, the focus window there,
//   unless that is on root's own thread while another thread reads the keys;
// - over an app frame or a console without a usable focus, its input window;
// - otherwise the window under the cursor.
std::optional<WindowId> LayoutSourceWindow(const LayoutFacts& facts);

} // namespace morvane
