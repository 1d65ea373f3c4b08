// The pixel sizes at the common display scales, where a pixel is 15, 12, 10,
// 8.57 or 7.5 twips: the indicator holds its text and margins, the automatic
// offset and the offset reset count its whole pixels, and the position
// dialog's buttons sit where the bar's designed twips put them.
#include <gtest/gtest.h>

#include "indicator/indicator_placement.h"
#include "indicator/paint_layout.h"
#include "platform/twips.h"
#include "position/position_layout.h"

namespace morvane {
namespace {

TEST(DisplayScale, SizesAndPlacesFromWholePixels) {
    // Text and window in pixels; the automatic offset from the hot spot (32 x 32 cursor); the buttons' top in the bar.
    // Twips a pixel: 1440 a inch over the dots a inch.
    const struct { int dpi; double perPixel; int margin, textWidth, textHeight, windowWidth, windowHeight;
                   ScreenPoint automatic; int buttonTop; } rows[] = {
        {96, 15, 1, 22, 13, 24, 11, {8, 21}, 17}, {96, 15, 0, 22, 13, 22, 9, {10, 23}, 17},
        {96, 15, 9, 22, 13, 40, 27, {8, 8}, 17}, {120, 12, 1, 28, 16, 30, 14, {8, 18}, 25},  // (870 - 276) \ 2 = 297 twips
        {144, 10, 1, 23, 19, 25, 17, {8, 15}, 32}, {168, 1440.0 / 168, 1, 38, 22, 40, 20, {8, 12}, 39},
        {192, 7.5, 1, 44, 25, 46, 23, {8, 9}, 47}};
    for (const auto& row : rows) {
        const double perPixel = row.perPixel;
        const TwipsPerPixel twips{perPixel, perPixel};
        const PaintLayout paint = LayoutPaint(row.textWidth, row.textHeight, twips, row.margin);
        const auto at = ::testing::Message() << row.dpi << " DPI, margin " << row.margin;
        EXPECT_EQ(paint.widthPixels, row.windowWidth) << at;
        EXPECT_EQ(paint.heightPixels, row.windowHeight) << at;
        EXPECT_EQ(std::pair(PixelsFromTwips(paint.currentX, perPixel), PixelsFromTwips(paint.currentY, perPixel)),
                  std::pair(row.margin, row.margin - 2)) << at << ": the text margin pixels in, two rows less down";

        const IndicatorGeometry window{twips, paint.width, paint.height};
        EXPECT_EQ(IndicatorTopLeft({0, 0}, {}, {32, 32}, window), row.automatic) << at;
        const IndicatorOffset touching{-row.windowWidth, -row.windowHeight}, clear{-row.windowWidth - 1, -row.windowHeight};
        EXPECT_EQ(SettledOffset(touching, window), IndicatorOffset{}) << at << ": reaching the hot spot resets";
        EXPECT_EQ(SettledOffset(clear, window), clear) << at << ": clear of the hot spot";

        PositionLayoutInput input;
        input.twips = twips;
        input.barHeight = DesignedBarHeight(twips);
        EXPECT_EQ(LayOutPosition(input).cancelButton.top, row.buttonTop) << at;
    }
}

} // namespace
} // namespace morvane
