#include "platform/dialog_centring.h"

#include "platform/fixed_number.h"

namespace morvane {

namespace {

std::int32_t CentredEdge(std::int32_t low, std::int32_t high, std::int32_t size, HalfPixel half) {
    const std::int64_t freeRoom = std::int64_t{high} - low - size;
    const std::int64_t offset =
        half == HalfPixel::TowardZero ? freeRoom / 2 : RoundHalfEven(static_cast<double>(freeRoom) / 2);
    return static_cast<std::int32_t>(low + offset);
}

} // namespace

DialogOrigin CentredOrigin(const ScreenRect& monitor, std::int32_t width, std::int32_t height, HalfPixel half) {
    return {CentredEdge(monitor.left, monitor.right, width, half), CentredEdge(monitor.top, monitor.bottom, height, half)};
}

} // namespace morvane
