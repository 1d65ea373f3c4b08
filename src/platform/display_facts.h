#pragma once
// What the display options read from the system beyond the layout under the
// cursor: the cursor's shape, Caps Lock, the foreground window against its
// monitor, the country of a language, a clock, and capture exclusion.
#include <cstdint>
#include <optional>
#include <string>

#include "platform/screen_rect.h"
#include "platform/window_id.h"

namespace morvane {

// The mouse pointer as the system shows it now.
enum class PointerShown {
    Hidden,  // not drawn: hidden while the user types, or by a program, or for touch and pen input
    IBeam,   // the system's text-input cursor
    Other,
};

// A top-level window's rectangle and how it is framed.
struct WindowFrame {
    ScreenRect rect;
    bool caption = false;    // it has a title bar
    bool maximised = false;
    friend bool operator==(const WindowFrame&, const WindowFrame&) = default;
};

// Windows 10 version 2004: the first build that leaves a window out of
// capture; earlier ones paint it black instead.
inline constexpr std::uint32_t kCaptureExclusionBuild = 19041;
constexpr bool CaptureExclusionWorks(std::uint32_t build) { return build >= kCaptureExclusionBuild; }

class DisplayFacts {
public:
    virtual ~DisplayFacts() = default;

    // The pointer shown now, whichever program set it.
    virtual PointerShown Pointer() const = 0;
    // Caps Lock is toggled on, as the system's keyboard state has it, read
    // without joining any other program's input; nothing when it cannot tell.
    virtual std::optional<bool> CapsLockOn() const = 0;
    virtual WindowFrame FrameOf(WindowId window) const = 0;
    // The whole rectangle of the monitor that shows most of the window.
    virtual ScreenRect MonitorRectOf(WindowId window) const = 0;
    // The window's class name, such as "Progman"; empty when there is none.
    virtual std::wstring ClassNameOf(WindowId window) const = 0;
    // The ISO 3166 name of the language's country or region ("US", "GB");
    // empty when the system has none.
    virtual std::wstring CountryName(std::uint16_t languageId) const = 0;
    // Milliseconds from a fixed moment; wraps around.
    virtual std::uint32_t NowMs() const = 0;
    // The system's build number (19041 for Windows 10 version 2004).
    virtual std::uint32_t WindowsBuild() const = 0;
    // Keeps the window out of screen capture (on) or lets capture see it
    // again (off). False, with nothing changed, where the system cannot.
    // Only for CaptureExclusionWorks(WindowsBuild()): earlier systems accept
    // it and paint the window black in captures.
    virtual bool ExcludeFromCapture(WindowId window, bool on) const = 0;
};

} // namespace morvane
