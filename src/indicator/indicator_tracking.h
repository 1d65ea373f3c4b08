#pragma once
// The polling of the indicator, run by each tick of toLang: either the
// control menu opens, or the indicator follows the cursor (zMoveCursor):
// the language of the window under the cursor is read when its keyboard
// layout changed, and the indicator is placed beside the cursor on top of
// every window.
#include <string>

#include "indicator/indicator_placement.h"
#include "platform/input_cursor.h"
#include "platform/window_id.h"

namespace morvane {

enum class TickAction {
    OpenMenu,      // the control menu, and nothing else in this tick
    FollowCursor,  // zMoveCursor at the cursor position
    Wait,          // the control menu is open: the indicator stays where it is, below it
};

// The left Shift key (not the right one, nor Shift as such) and the middle
// button both held open the menu. There is no edge detection: holding them on
// opens it again once it has closed, but never a second one while it is open.
TickAction ChooseTickAction(const InputCursor& input, bool menuOpen);

// The indicator window as the tracking sees it.
class TrackedIndicator {
public:
    virtual ~TrackedIndicator() = default;
    virtual bool IsShown() const = 0;
    virtual WindowId Id() const = 0;
    virtual IndicatorGeometry Geometry() const = 0;
    // zPaintCursor: drawn anew with the code shown, and sized to it.
    virtual void Repaint() = 0;
    // Moves the window's top-left corner there and keeps it above every other
    // window, without activating it. Always follows Geometry in the same tick.
    virtual void PlaceOnTop(ScreenPoint topLeft) = 0;
};

// What the indicator shows and where it came from.
struct LanguageShown {
    std::wstring sLangCode;      // upper case; empty until the first layout is seen
    KeyboardLayout nLayout = 0;  // the layout handle last seen, compared as a whole
    // The top-level window last under the cursor and the window of the thread
    // that reads its keys, so that its class is looked at only when the cursor
    // reaches another one, or while an app frame's core window has not come.
    WindowId root = kNoWindow;
    InputHost host;
};

// zMoveCursor for the hot spot at hotSpot, in this order: nothing at all while
// the indicator is hidden; unless the cursor is over the indicator itself,
// the layout the user types with there (LayoutSourceWindow), and on a new
// layout handle the code is derived and the indicator repainted; then the
// offset is settled and the indicator placed, kept inside keepInside (the
// monitor under the hot spot) when given. Returns the offset to keep from now
// on (in memory only). A tick that finds the layout unchanged reads no
// language and allocates nothing.
IndicatorOffset MoveIndicator(ScreenPoint hotSpot, IndicatorOffset stored, CursorSize cursor, LanguageShown& shown,
                              const InputCursor& input, TrackedIndicator& indicator,
                              const ScreenRect* keepInside = nullptr);

} // namespace morvane
