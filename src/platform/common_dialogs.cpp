#include "platform/common_dialogs.h"

#include <algorithm>
#include <limits>

#include "platform/fixed_number.h"

namespace morvane {

namespace {

std::int32_t CentredEdge(double screenTwips, double twipsPerPixel, std::int32_t size) {
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    const double freeRoom = std::clamp(screenTwips / twipsPerPixel - size, kLow, kHigh);
    // Integer division drops the fraction towards zero, also for negative room.
    return static_cast<std::int32_t>(RoundHalfEven(freeRoom) / 2);
}

} // namespace

DialogOrigin CentredDialogOrigin(double screenWidth, double screenHeight, double twipsPerPixelX,
                                 double twipsPerPixelY, std::int32_t width, std::int32_t height) {
    return {CentredEdge(screenWidth, twipsPerPixelX, width), CentredEdge(screenHeight, twipsPerPixelY, height)};
}

} // namespace morvane
