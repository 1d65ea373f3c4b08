#include "indicator/paint_layout.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

constexpr TwipsPerPixel kAt96Dpi{15, 15};

TEST(PaintLayout, WorkedExampleWithMarginOne) {
    // A text 22 x 13 pixels.
    const PaintLayout layout = LayoutPaint(22, 13, kAt96Dpi, 1);
    EXPECT_EQ(layout.widthPixels, 24);
    EXPECT_EQ(layout.heightPixels, 11);
    EXPECT_EQ(layout.width, 360);
    EXPECT_EQ(layout.height, 165);
    EXPECT_EQ(layout.currentX, 15) << "one pixel from the left edge";
    EXPECT_EQ(layout.currentY, -15) << "one pixel above the top edge";
}

TEST(PaintLayout, MarginZeroIsTheTextWidthAndFourPixelsLower) {
    const PaintLayout layout = LayoutPaint(22, 13, kAt96Dpi, 0);
    EXPECT_EQ(layout.widthPixels, 22);
    EXPECT_EQ(layout.heightPixels, 9);
    EXPECT_EQ(layout.currentX, 0);
    EXPECT_EQ(layout.currentY, -30);
}

TEST(PaintLayout, MarginNineIsNinePixelsAcrossAndSevenDown) {
    const PaintLayout layout = LayoutPaint(22, 13, kAt96Dpi, 9);
    EXPECT_EQ(layout.widthPixels, 22 + 18);
    EXPECT_EQ(layout.heightPixels, 13 + 14);
    EXPECT_EQ(layout.width, 40 * 15);
    EXPECT_EQ(layout.height, 27 * 15);
    EXPECT_EQ(layout.currentX, 135);
    EXPECT_EQ(layout.currentY, 105);
}

TEST(PaintLayout, TheSizeIsWholePixelsOfTheScreensOwnScale) {
    // At 120 dots per inch a pixel is 12 twips across and down.
    const PaintLayout layout = LayoutPaint(28, 15, {12, 12}, 1);
    EXPECT_EQ(layout.widthPixels, 28 + 2);
    EXPECT_EQ(layout.heightPixels, 15 - 2);
    EXPECT_EQ(layout.width, 30 * 12);
    EXPECT_EQ(layout.height, 13 * 12);
}

TEST(WholeQuotient, RoundsBothOperandsHalfToEvenThenTruncates) {
    EXPECT_EQ(WholeQuotient(29, 15), 1) << "the quotient is truncated, not rounded";
    EXPECT_EQ(WholeQuotient(29.5, 15), 2) << "29.5 becomes 30 before dividing";
    EXPECT_EQ(WholeQuotient(44.5, 15), 2) << "44.5 becomes 44, its even neighbour";
    EXPECT_EQ(WholeQuotient(29, 14.5), 2) << "the divisor 14.5 becomes 14";
    EXPECT_EQ(WholeQuotient(-29, 15), -1) << "truncation goes towards zero";
}

TEST(WholeQuotient, ADivisorOfZeroGivesZero) {
    EXPECT_EQ(WholeQuotient(300, 0.4), 0);
}

} // namespace
} // namespace morvane
