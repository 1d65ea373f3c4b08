#pragma once
// Where the language code goes on the surface that shows it: the surface is
// the text plus the margin, in whole pixels; the vertical margin is two
// pixels less than the horizontal one, so with a margin below 2 the empty
// rows above and below the letters are cut off.
#include <cstdint>

#include "platform/fixed_number.h"
#include "platform/twips.h"

namespace morvane {

struct PaintLayout {
    std::int64_t widthPixels = 0;
    std::int64_t heightPixels = 0;
    double width = 0;     // twips
    double height = 0;    // twips
    double currentX = 0;  // twips, where the text starts
    double currentY = 0;  // twips; negative when the margin is below 2
};

// textWidthPixels / textHeightPixels: the code's extent in the surface's
// font; margin: pixels. Everything is worked out in whole pixels and only then
// given in twips, so that at any scale the surface holds the text and its margin.
PaintLayout LayoutPaint(std::int32_t textWidthPixels, std::int32_t textHeightPixels, TwipsPerPixel twips,
                        std::int32_t margin);

} // namespace morvane
