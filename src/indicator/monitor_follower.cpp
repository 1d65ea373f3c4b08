#include "indicator/monitor_follower.h"

#include "indicator/indicator_placement.h"

namespace morvane {

void MonitorFollower::Start(CursorSize systemCursor) {
    systemCursor_ = systemCursor;
    current_.dpi = monitors_.SystemDpi();
    Reread();
}

void MonitorFollower::Reread() {
    all_ = monitors_.All();
}

bool MonitorFollower::Follow(ScreenPoint hotSpot) {
    const Monitor monitor = MonitorAt(all_, hotSpot);
    const bool rescaled = monitor.dpi != current_.dpi;
    current_ = monitor;
    return rescaled;
}

CursorSize MonitorFollower::Cursor() const {
    return CursorSizeAt(systemCursor_, monitors_.SystemDpi(), current_.dpi);
}

} // namespace morvane
