#pragma once
// The keyboard, the mouse cursor and the keyboard layouts of other windows,
// as the indicator polls them.
#include <cstdint>
#include <string>

#include "platform/window_id.h"

namespace morvane {

namespace virtual_key {
constexpr int kMiddleButton = 0x04;  // VK_MBUTTON
constexpr int kLeftShift = 0xA0;     // VK_LSHIFT
} // namespace virtual_key

struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
    friend bool operator==(const ScreenPoint&, const ScreenPoint&) = default;
};

struct CursorSize {
    std::int16_t width = 0;
    std::int16_t height = 0;
};

// A keyboard layout handle, compared as a whole 32-bit value; its low 16 bits
// are the language identifier.
using KeyboardLayout = std::uint32_t;

constexpr std::uint16_t LanguageIdOf(KeyboardLayout layout) { return static_cast<std::uint16_t>(layout & 0xFFFF); }

// The system's identifier of a thread; 0 names none.
using ThreadId = std::uint32_t;

// A top-level window whose own thread does not read its keyboard input: an
// app frame ("ApplicationFrameWindow"), whose app runs in its child core
// window, or a console ("ConsoleWindowClass"), whose window the system names
// after the program inside while the console host's thread reads the keys.
struct InputHost {
    bool separate = false;        // the window is one of these
    WindowId window = kNoWindow;  // a window of the thread that reads the keys; kNoWindow while there is none yet
    friend bool operator==(const InputHost&, const InputHost&) = default;
};

class InputCursor {
public:
    virtual ~InputCursor() = default;

    // Whether the key or mouse button is held now, whichever window has the
    // keyboard focus.
    virtual bool KeyHeld(int virtualKey) const = 0;
    // The cursor's hot spot in screen pixels.
    virtual ScreenPoint CursorPosition() const = 0;
    // The window under a screen point; kNoWindow when there is none.
    virtual WindowId WindowAt(ScreenPoint point) const = 0;
    // The active keyboard layout of the thread that owns the window; for
    // kNoWindow (no owning thread) the layout of the calling thread. 0 when
    // the thread has no keyboard state: the layout is unknown.
    virtual KeyboardLayout KeyboardLayoutOf(WindowId window) const = 0;
    // The thread that owns the window as the system names it; 0 for none.
    virtual ThreadId ThreadOf(WindowId window) const = 0;
    // The top-level window that holds the window (itself for a top-level one).
    virtual WindowId RootWindowOf(WindowId window) const = 0;
    // The foreground window; kNoWindow when there is none.
    virtual WindowId ForegroundWindow() const = 0;
    // The window with the keyboard focus on the foreground window's thread;
    // kNoWindow when the system cannot tell.
    virtual WindowId ForegroundFocusWindow() const = 0;
    // Whether the top-level window is an app frame or a console, and the
    // window whose thread reads its keys: the frame's core window, the
    // console's default input-method window. Found without sending a message,
    // so a hung program cannot stall the caller.
    virtual InputHost InputHostOf(WindowId root) const = 0;
    // The ISO 639 name of the language ("en", "de", "fil"), as the system
    // writes it into a four-character buffer; empty when it writes nothing.
    virtual std::wstring Iso639LanguageName(std::uint16_t languageId) const = 0;
    // The size of the system cursor in pixels.
    virtual CursorSize SystemCursorSize() const = 0;
};

} // namespace morvane
