#include "indicator/indicator_placement.h"

#include <algorithm>
#include <limits>

#include "platform/fixed_number.h"
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

// One axis of KeptInside: start and size of the indicator, the hot spot and
// the monitor's span [low, high).
std::int64_t AxisKeptInside(std::int64_t start, std::int64_t size, std::int64_t hotSpot, std::int64_t low,
                            std::int64_t high) {
    if (start < low || start + size > high) start = 2 * hotSpot - start - size;
    return std::max(std::min(start, high - size), low);
}

std::int16_t CursorExtentAt(std::int16_t extent, int systemDpi, int dpi) {
    if (systemDpi <= 0 || dpi == systemDpi) return extent;
    return static_cast<std::int16_t>(RoundHalfEven(static_cast<double>(extent) * dpi / systemDpi));
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

ScreenPoint KeptInside(ScreenPoint topLeft, ScreenPoint hotSpot, const IndicatorGeometry& indicator,
                       const ScreenRect& monitor) {
    const std::int64_t width = WindowPixels(indicator.width, indicator.twips.x);
    const std::int64_t height = WindowPixels(indicator.height, indicator.twips.y);
    return {ScreenCoordinate(0, AxisKeptInside(topLeft.x, width, hotSpot.x, monitor.left, monitor.right)),
            ScreenCoordinate(0, AxisKeptInside(topLeft.y, height, hotSpot.y, monitor.top, monitor.bottom))};
}

CursorSize CursorSizeAt(CursorSize atSystemDpi, int systemDpi, int dpi) {
    return {CursorExtentAt(atSystemDpi.width, systemDpi, dpi), CursorExtentAt(atSystemDpi.height, systemDpi, dpi)};
}

} // namespace morvane
