#pragma once
// Window geometry is held in twips (1/1440 inch); the screen counts pixels.
// x amounts convert with the twips per pixel across, y amounts with those down.
#include <cstdint>

namespace morvane {

constexpr double kTwipsPerInch = 1440;

struct TwipsPerPixel {
    double x = 15;
    double y = 15;
};

// 1440 / dots per inch: 15 at 96 dots per inch. A screen that reports no
// resolution counts as 96 dots per inch.
double TwipsPerPixelFromDpi(int dotsPerInch);

// The nearest whole pixel, a half going to the even neighbour; held at the
// limits of a 32-bit number.
std::int32_t PixelsFromTwips(double twips, double twipsPerPixel);
double TwipsFromPixels(std::int32_t pixels, double twipsPerPixel);

// The height of a font of this many points at dpi, in whole pixels (a half
// to the even neighbour): 11 for 8.25 points at 96 dots per inch.
std::int32_t FontPixelsFromPoints(double points, int dotsPerInch);

} // namespace morvane
