#include "platform/monitors.h"

#include <cstdint>
#include <limits>

namespace morvane {

namespace {

// Pixels from the coordinate to the span [low, high), 0 inside it.
std::int64_t DistanceOutside(std::int32_t coordinate, std::int32_t low, std::int32_t high) {
    if (coordinate < low) return std::int64_t{low} - coordinate;
    if (coordinate >= high) return std::int64_t{coordinate} - high + 1;
    return 0;
}

std::int64_t SquaredDistance(const ScreenRect& rect, ScreenPoint point) {
    const std::int64_t across = DistanceOutside(point.x, rect.left, rect.right);
    const std::int64_t down = DistanceOutside(point.y, rect.top, rect.bottom);
    return across * across + down * down;
}

} // namespace

Monitor MonitorAt(const std::vector<Monitor>& monitors, ScreenPoint point) {
    Monitor nearest;
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    for (const Monitor& monitor : monitors) {
        const std::int64_t distance = SquaredDistance(monitor.rect, point);
        if (distance < best) {
            best = distance;
            nearest = monitor;
        }
    }
    return nearest;
}

} // namespace morvane
