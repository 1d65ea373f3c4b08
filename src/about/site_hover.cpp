#include "about/site_hover.h"

#include "services/utilities.h"

namespace morvane {

bool HoverStartsOnMove(const MouseMoveKeys& keys) {
    return !keys.anyButton && !keys.shift && !keys.control && !keys.alt;
}

bool CursorOverLink(long cursorX, long cursorY, const ScreenRect& link) {
    return InRange(static_cast<double>(cursorY), static_cast<double>(link.top), static_cast<double>(link.bottom)) &&
           InRange(static_cast<double>(cursorX), static_cast<double>(link.left), static_cast<double>(link.right));
}

} // namespace morvane
