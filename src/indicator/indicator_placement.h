#pragma once
// Where the indicator goes beside the cursor. Each axis has a stored offset
// in pixels from the cursor's hot spot to the indicator's top-left corner; 0
// means automatic on that axis: the indicator's right (bottom) edge on the
// cursor image's right (bottom) edge, but at least 8 pixels from the hot spot.
// The window's size is held in twips, as its geometry is.
#include <cstdint>

#include "indicator/paint_layout.h"
#include "platform/display_facts.h"
#include "platform/input_cursor.h"

namespace morvane {

struct IndicatorOffset {
    std::int32_t left = 0;  // POSITION_Left
    std::int32_t top = 0;   // POSITION_TOP
    friend bool operator==(const IndicatorOffset&, const IndicatorOffset&) = default;
};

// The indicator window's size and the screen scale it is held in.
struct IndicatorGeometry {
    TwipsPerPixel twips;
    double width = 0;   // twips
    double height = 0;  // twips
};

// Offsets that would put the indicator over the hot spot in both directions
// (both at most 0, and the indicator reaching the hot spot across and down)
// are both reset to 0; any others are kept as they are.
IndicatorOffset SettledOffset(IndicatorOffset stored, const IndicatorGeometry& indicator);

// The indicator's top-left corner in screen pixels for the hot spot at
// hotSpot. Not limited to the screen.
ScreenPoint IndicatorTopLeft(ScreenPoint hotSpot, IndicatorOffset offset, CursorSize cursor,
                             const IndicatorGeometry& indicator);

// "Keep Inside the Screen": on each axis where the indicator at topLeft
// would cross an edge of the monitor, it goes to the other side of the hot
// spot with the same gap, mirrored; then it is held within the monitor's
// edges (from its left or top edge when it is larger than the monitor).
ScreenPoint KeptInside(ScreenPoint topLeft, ScreenPoint hotSpot, const IndicatorGeometry& indicator,
                       const ScreenRect& monitor);

// The system cursor's size on a monitor at dpi, from its size at the
// system's scale: in proportion, a half to the even neighbour.
CursorSize CursorSizeAt(CursorSize atSystemDpi, int systemDpi, int dpi);

} // namespace morvane
