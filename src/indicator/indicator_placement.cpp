#include "indicator/indicator_placement.h"

#include <algorithm>
#include <limits>

#include "platform/twips.h"

namespace morvane {

namespace {

constexpr std::int64_t kNearestAutomaticOffset = 8;

// The window is a whole number of pixels at any scale: its size in twips
// goes back to exactly those pixels, whatever the twips per pixel.
std::int64_t WindowPixels(double twips, double twipsPerPixel) {
    return PixelsFromTwips(twips, twipsPerPixel);
}

// One axis: the stored offset, or automatic when it is 0.
std::int64_t AxisOffset(std::int32_t stored, std::int16_t cursorExtent, double indicatorTwips, double twipsPerPixel) {
    if (stored != 0) return stored;
    return std::max(cursorExtent - WindowPixels(indicatorTwips, twipsPerPixel), kNearestAutomaticOffset);
}

std::int32_t ScreenCoordinate(std::int32_t hotSpot, std::int64_t offset) {
    constexpr std::int64_t kLow = std::numeric_limits<std::int32_t>::min();
    constexpr std::int64_t kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(hotSpot + offset, kLow, kHigh));
}

} // namespace

IndicatorOffset SettledOffset(IndicatorOffset stored, const IndicatorGeometry& indicator) {
    const bool reachesAcross = stored.left + WindowPixels(indicator.width, indicator.twips.x) >= 0;
    const bool reachesDown = stored.top + WindowPixels(indicator.height, indicator.twips.y) >= 0;
    if (stored.left <= 0 && stored.top <= 0 && reachesAcross && reachesDown) return {};
    return stored;
}

ScreenPoint IndicatorTopLeft(ScreenPoint hotSpot, IndicatorOffset offset, CursorSize cursor,
                             const IndicatorGeometry& indicator) {
    return {ScreenCoordinate(hotSpot.x, AxisOffset(offset.left, cursor.width, indicator.width, indicator.twips.x)),
            ScreenCoordinate(hotSpot.y, AxisOffset(offset.top, cursor.height, indicator.height, indicator.twips.y))};
}

} // namespace morvane
