#pragma once
// Where a dialog stands centred on its monitor.
#include <cstdint>

#include "platform/screen_rect.h"

namespace morvane {

// How half of an odd free room is made whole: dropped (the system's way), or
// to the even neighbour (a dialog laid out in twips, like all its geometry).
enum class HalfPixel { TowardZero, ToEven };

struct DialogOrigin {
    std::int32_t left = 0;
    std::int32_t top = 0;
};

// The top-left corner of a dialog of the given outer size (pixels) centred on
// the monitor: half the free room on each axis from the monitor's corner. A
// dialog larger than the monitor starts before its corner.
DialogOrigin CentredOrigin(const ScreenRect& monitor, std::int32_t width, std::int32_t height, HalfPixel half);

} // namespace morvane
