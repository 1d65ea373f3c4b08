#include "platform/twips.h"

#include <algorithm>
#include <limits>

#include "platform/fixed_number.h"

namespace morvane {

double TwipsPerPixelFromDpi(int dotsPerInch) {
    constexpr int kStandardDpi = 96;
    return kTwipsPerInch / (dotsPerInch > 0 ? dotsPerInch : kStandardDpi);
}

std::int32_t PixelsFromTwips(double twips, double twipsPerPixel) {
    constexpr double kLow = std::numeric_limits<std::int32_t>::min();
    constexpr double kHigh = std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(RoundHalfEven(std::clamp(twips / twipsPerPixel, kLow, kHigh)));
}

double TwipsFromPixels(std::int32_t pixels, double twipsPerPixel) {
    return pixels * twipsPerPixel;
}

std::int32_t FontPixelsFromPoints(double points, int dotsPerInch) {
    constexpr double kPointsPerInch = 72;
    return PixelsFromTwips(points * dotsPerInch, kPointsPerInch);
}

} // namespace morvane
