#pragma once
// What the display options decide from plain facts: how opaque the indicator
// is now, whether a window is a full-screen program, and the text shown for a
// layout (an own label, or the code with its country).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "indicator/paint_layout.h"
#include "platform/display_facts.h"
#include "platform/input_cursor.h"
#include "services/display_settings.h"

namespace morvane {

inline constexpr std::uint8_t kOpaque = 255;
inline constexpr std::uint8_t kHidden = 0;
// The fade after the show time: kFadeSteps equal steps over kFadeMs.
inline constexpr std::uint32_t kFadeMs = 300;
inline constexpr std::uint32_t kFadeSteps = 10;

// What the options look at in one tick.
struct DisplayMoment {
    bool overText = false;            // the cursor is the text-input I-beam (the last one seen while it is hidden)
    std::uint32_t msSinceChange = 0;  // since the code or the top-level window under the cursor changed
    bool fullScreen = false;          // the foreground window is a full-screen program (IsFullScreen)
};

// The indicator's opacity, kHidden to kOpaque. "After a change": opaque for
// the show time, then kFadeSteps steps down to hidden over kFadeMs.
std::uint8_t DisplayAlpha(const DisplayOptions& options, const DisplayMoment& moment);

// How long after msSinceChange "After a change" changes the opacity by
// itself: at the end of the show time, then at each step of the fade; none
// once hidden, nor in the other modes.
std::optional<std::uint32_t> MsToNextAlphaStep(const DisplayOptions& options, std::uint32_t msSinceChange);

// A full-screen program: a window without a title bar, not maximised,
// covering its whole monitor, and none of the shell's: not the desktop
// ("Progman", "WorkerW" behind the icons and slideshows) nor the shell's own
// screens (Alt+Tab, Task View, snap layouts, Start), which cover their monitor
// for a while. A maximised window covers its monitor with its frame where no
// taskbar takes a strip of it.
bool IsFullScreen(const WindowFrame& frame, const ScreenRect& monitor, std::wstring_view className);

// Whether the pointer is over text now: the I-beam shown, or while the
// pointer is hidden (as Windows does while the user types) what was last seen.
bool OverTextNow(PointerShown pointer, bool lastOverText);

// The layout handle as its key in the labels: eight capital hexadecimal digits.
std::wstring LayoutKey(KeyboardLayout layout);

inline constexpr std::size_t kMaxLabelLength = 8;

// What the indicator shows: the label, when there is one, cut to at most
// kMaxLabelLength UTF-16 units between whole characters and otherwise kept as
// written; otherwise the code, followed by "-" and the country name in
// capitals when showCountry and the system has a name.
std::wstring DisplayText(std::wstring_view code, std::wstring_view label, bool showCountry,
                         std::wstring_view countryName);

// The bar of the Caps Lock mark: kCapsBarRows rows of the text colour above
// the letters, with one free row below it. With the mark on, the room is
// kept whether Caps Lock is on or off, so the indicator keeps its size.
inline constexpr std::int64_t kCapsBarRows = 2;
inline constexpr std::int64_t kCapsBarRoom = kCapsBarRows + 1;

// The layout moved down by the bar's room and made that much higher.
PaintLayout WithCapsBarRoom(PaintLayout layout, TwipsPerPixel twips);

} // namespace morvane
