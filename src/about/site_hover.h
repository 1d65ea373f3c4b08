#pragma once
// Hot tracking of the about dialog's web-site link: when a mouse move starts
// the hover, and when a tick finds that the cursor has left the link.
#include "platform/display_facts.h"

namespace morvane {

struct MouseMoveKeys {
    bool anyButton = false;  // any mouse button pressed
    bool shift = false;
    bool control = false;
    bool alt = false;
};

// Only a plain move starts the hover; a move with a button or Shift, Ctrl or
// Alt held changes nothing.
bool HoverStartsOnMove(const MouseMoveKeys& keys);

// All four edges count as inside, the right and bottom ones included.
bool CursorOverLink(long cursorX, long cursorY, const ScreenRect& link);

} // namespace morvane
