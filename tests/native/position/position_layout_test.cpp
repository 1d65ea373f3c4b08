#include "position/position_layout.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

constexpr TwipsPerPixel k96Dpi{15, 15};

PositionLayoutInput At96Dpi(int cursorSize) {
    PositionLayoutInput input;
    input.twips = k96Dpi;
    input.cursorWidth = cursorSize;
    input.cursorHeight = cursorSize;
    input.labelWidth = 380;
    input.labelHeight = DesignedLabelHeight(k96Dpi);
    input.barHeight = DesignedBarHeight(k96Dpi);
    return input;
}

TEST(PositionLayout, DesignedHeightsComeToWholePixelsOfTheScreen) {
    EXPECT_EQ(DesignedLabelHeight(k96Dpi), 14);
    EXPECT_EQ(DesignedBarHeight(k96Dpi), 58);
    EXPECT_EQ(DesignedLabelHeight({12, 12}), 18) << "17.5 pixels at 120 dots per inch, a half to the even neighbour";
    EXPECT_EQ(DesignedBarHeight({12, 12}), 72) << "72.5 pixels, a half to the even neighbour";
}

TEST(PositionLayout, CommonCursorSizeGivesTheWorkedExample) {
    const PositionLayout layout = LayOutPosition(At96Dpi(32));
    EXPECT_EQ(layout.clientWidth, 417);
    EXPECT_EQ(layout.clientHeight, 415);
    EXPECT_EQ(layout.label, (PositionRect{6, 6, 380, 14}));
    EXPECT_EQ(layout.desktop, (PositionRect{3, 26, 412, 332}));
    EXPECT_EQ(layout.innerWidth, 408);
    EXPECT_EQ(layout.innerHeight, 328);
    EXPECT_EQ(layout.cursor, (PositionRect{190, 150, 32, 32})) << "the hot spot";
    EXPECT_EQ(layout.border, (PositionRect{189, 149, 34, 34})) << "one pixel outside the cursor picture";
    EXPECT_EQ(layout.shield, (PositionRect{181, 141, 18, 18})) << "centred on the hot spot";
    EXPECT_EQ(layout.bar, (PositionRect{0, 357, 417, 58})) << "over the preview border's bottom row";
    EXPECT_EQ(layout.cancelButton, (PositionRect{327, 17, 75, 23}));
    EXPECT_EQ(layout.okButton, (PositionRect{243, 17, 75, 23}));
    EXPECT_EQ(layout.defaultButton, (PositionRect{159, 17, 75, 23}));
}

TEST(PositionLayout, LargerCursorGrowsPreviewAndDialogButKeepsTheHotSpot) {
    const PositionLayout layout = LayOutPosition(At96Dpi(48));
    EXPECT_EQ(layout.desktop, (PositionRect{3, 26, 428, 348}));
    EXPECT_EQ(layout.clientWidth, 417 + 16);
    EXPECT_EQ(layout.clientHeight, 415 + 16);
    EXPECT_EQ(layout.cursor, (PositionRect{190, 150, 48, 48}));
    EXPECT_EQ(layout.border, (PositionRect{189, 149, 50, 50}));
    EXPECT_EQ(layout.shield, (PositionRect{181, 141, 18, 18}));
    EXPECT_EQ(layout.bar, (PositionRect{0, 373, 433, 58}));
    EXPECT_EQ(layout.cancelButton.left, 343);
    EXPECT_EQ(layout.okButton.left, 259);
    EXPECT_EQ(layout.defaultButton.left, 175);
}

TEST(PositionLayout, ButtonsSitInTheBarsMiddleRoundedTowardsItsTop) {
    PositionLayoutInput input = At96Dpi(32);
    input.twips = {12, 12};
    input.barHeight = DesignedBarHeight(input.twips);
    const PositionLayout layout = LayOutPosition(input);
    EXPECT_EQ(layout.cancelButton.top, 25) << "(870 - 276) twips halved: 297 twips";
    EXPECT_EQ(layout.cancelButton.left, 327) << "the gaps stay whole pixels at 12 twips per pixel";
}

TEST(FirstSamplePlace, AutomaticPutsASmallSamplesCornerOnTheCursorPicturesCorner) {
    const PositionRect cursor{190, 150, 32, 32};
    const PixelPoint place = FirstSamplePlace(cursor, {0, 0}, 24, 11);
    EXPECT_EQ(place.x + 24, cursor.Right());
    EXPECT_EQ(place.y + 11, cursor.Bottom());
}

TEST(FirstSamplePlace, AutomaticKeepsAWideOrTallSampleEightPixelsFromTheHotSpot) {
    EXPECT_EQ(FirstSamplePlace({190, 150, 32, 32}, {0, 0}, 30, 40), (PixelPoint{198, 158}));
}

TEST(FirstSamplePlace, OffsetsCountFromTheHotSpotAndStopOnlyAtTheTopLeft) {
    const PositionRect cursor{190, 150, 32, 32};
    EXPECT_EQ(FirstSamplePlace(cursor, {-190, -150}, 24, 11), (PixelPoint{0, 0}));
    EXPECT_EQ(FirstSamplePlace(cursor, {190, 150}, 24, 11), (PixelPoint{380, 300})) << "partly out of view";
    EXPECT_EQ(FirstSamplePlace(cursor, {-250, -20}, 24, 11), (PixelPoint{0, 130}));
    EXPECT_EQ(FirstSamplePlace(cursor, {12, 0}, 24, 11), (PixelPoint{202, 171})) << "automatic on one axis only";
}

} // namespace
} // namespace morvane
