#pragma once
// The monitor under the cursor's hot spot from tick to tick, and the scale
// the indicator is drawn at there. The monitors are read at Start and when
// the system says they or their scales changed (Reread), never by a tick.
#include <vector>

#include "platform/monitors.h"

namespace morvane {

class MonitorFollower {
public:
    // monitors must outlive this object.
    explicit MonitorFollower(const Monitors& monitors) : monitors_(monitors) {}

    // systemCursor: the system cursor's size at the system's scale.
    void Start(CursorSize systemCursor);
    void Reread();

    // The monitor under the hot spot becomes the current one; true when its
    // scale differs from the one before, so the indicator is drawn anew.
    // Before the first tick the scale is the system's.
    bool Follow(ScreenPoint hotSpot);

    const Monitor& Current() const { return current_; }
    // The cursor the automatic offset counts from, at the current scale.
    CursorSize Cursor() const;

private:
    const Monitors& monitors_;
    std::vector<Monitor> all_;
    Monitor current_;
    CursorSize systemCursor_;
};

} // namespace morvane
