#pragma once
// What the display options read from the system beyond the layout under the
// cursor: the cursor's shape, Caps Lock, the foreground window against its
// monitor, the country of a language, a clock, and capture exclusion.
#include <cstdint>
#include <string>

#include "platform/window_id.h"

namespace morvane {

// Screen pixels, right and bottom just past the last pixel.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

class DisplayFacts {
public:
    virtual ~DisplayFacts() = default;

    // The cursor shown now, whichever program set it, is the system's
    // text-input cursor (the I-beam).
    virtual bool CursorIsIBeam() const = 0;
    // Caps Lock is toggled on, as the program the user types in sees it.
    virtual bool CapsLockOn() const = 0;
    virtual ScreenRect WindowRect(WindowId window) const = 0;
    // The whole rectangle of the monitor that shows most of the window.
    virtual ScreenRect MonitorRectOf(WindowId window) const = 0;
    // The desktop or the shell's desktop window, which covers its monitor
    // without being a full-screen program.
    virtual bool IsDesktop(WindowId window) const = 0;
    // The ISO 3166 name of the language's country or region ("US", "GB");
    // empty when the system has none.
    virtual std::wstring CountryName(std::uint16_t languageId) const = 0;
    // Milliseconds from a fixed moment; wraps around.
    virtual std::uint32_t NowMs() const = 0;
    // Keeps the window out of screen capture (on) or lets capture see it
    // again (off). False, with nothing changed, where the system cannot.
    virtual bool ExcludeFromCapture(WindowId window, bool on) const = 0;
};

} // namespace morvane
