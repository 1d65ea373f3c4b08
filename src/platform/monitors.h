#pragma once
// The monitors that make up the desktop, each with its own scale. Monitors
// left of or above the primary one have negative coordinates.
#include <vector>

#include "platform/display_facts.h"
#include "platform/input_cursor.h"

namespace morvane {

inline constexpr int kStandardDpi = 96;

struct Monitor {
    ScreenRect rect;          // the whole monitor, screen pixels
    int dpi = kStandardDpi;   // its scale: 96 at 100 %, 144 at 150 %
    friend bool operator==(const Monitor&, const Monitor&) = default;
};

class Monitors {
public:
    virtual ~Monitors() = default;
    // Every monitor now, the primary first; never empty.
    virtual std::vector<Monitor> All() const = 0;
    // The scale the process was started at: what system-wide figures (the
    // cursor size, the screen's dots per inch) are given in.
    virtual int SystemDpi() const = 0;
};

// The monitor that holds the point, else the one nearest to it (as the
// system picks for a point on no monitor); the first one of an empty list
// is a monitor at the origin at the standard scale.
Monitor MonitorAt(const std::vector<Monitor>& monitors, ScreenPoint point);


} // namespace morvane
