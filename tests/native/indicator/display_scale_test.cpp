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

struct ScaleRow {
    int dpi;
    int textWidth, textHeight;      // pixels, margin 1
    int windowWidth, windowHeight;  // pixels
    ScreenPoint automatic;          // offset from the hot spot, 32 x 32 cursor
    int buttonTop;                  // in the bar
};

constexpr ScaleRow kRows[] = {
    {96, 22, 13, 24, 11, {8, 21}, 17},
    {120, 28, 16, 30, 14, {8, 18}, 25},  // (870 - 276) \ 2 = 297 twips
    {144, 23, 19, 25, 17, {8, 15}, 32},
    {168, 38, 22, 40, 20, {8, 12}, 39},
    {192, 44, 25, 46, 23, {8, 9}, 47},
};

TEST(DisplayScale, SizesAndPlacesFromWholePixels) {
    for (const ScaleRow& row : kRows) {
        const double perPixel = TwipsPerPixelFromDpi(row.dpi);
        const TwipsPerPixel twips{perPixel, perPixel};
        const PaintLayout paint = LayoutPaint(row.textWidth, row.textHeight, twips, 1);
        EXPECT_EQ(paint.widthPixels, row.windowWidth) << row.dpi << " DPI";
        EXPECT_EQ(paint.heightPixels, row.windowHeight) << row.dpi << " DPI";
        EXPECT_EQ(PixelsFromTwips(paint.currentX, perPixel), 1) << row.dpi << " DPI: the text one pixel in";
        EXPECT_EQ(PixelsFromTwips(paint.currentY, perPixel), -1) << row.dpi << " DPI: and one row up";

        const IndicatorGeometry window{twips, paint.width, paint.height};
        EXPECT_EQ(IndicatorTopLeft({0, 0}, {}, {32, 32}, window), row.automatic) << row.dpi << " DPI";
        const IndicatorOffset touching{-row.windowWidth, -row.windowHeight};
        EXPECT_EQ(SettledOffset(touching, window), IndicatorOffset{}) << row.dpi << " DPI: reaching resets";
        const IndicatorOffset clear{-row.windowWidth - 1, -row.windowHeight};
        EXPECT_EQ(SettledOffset(clear, window), clear) << row.dpi << " DPI: clear of the hot spot";

        PositionLayoutInput input;
        input.twips = twips;
        input.barHeight = DesignedBarHeight(twips);
        EXPECT_EQ(LayOutPosition(input).cancelButton.top, row.buttonTop) << row.dpi << " DPI";
    }
}

} // namespace
} // namespace morvane
