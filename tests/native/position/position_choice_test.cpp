#include "position/position_choice.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

// The 32 x 32 cursor's preview: shield 181..199 across, 141..159 down.
constexpr PositionRect kShield{181, 141, 18, 18};
constexpr PositionRect kCursor{190, 150, 32, 32};
constexpr int kInnerWidth = 408;
constexpr int kInnerHeight = 328;

// One drag step of a sample of this size whose candidate corner is (left, top).
PixelPoint DragTo(int left, int top, int width = 24, int height = 11) {
    const PositionRect sample{10, 20, width, height};
    return DragStep(sample, {left - sample.left, top - sample.top}, kShield, kInnerWidth, kInnerHeight);
}

TEST(DragStep, TheSamplesCornerGoesToThePointer) {
    const PositionRect sample{10, 20, 24, 11};
    EXPECT_EQ(DragStep(sample, {5, 7}, kShield, kInnerWidth, kInnerHeight), (PixelPoint{15, 27}));
    EXPECT_EQ(DragStep(sample, {-3, -4}, kShield, kInnerWidth, kInnerHeight), (PixelPoint{7, 16}));
}

TEST(DragStep, TouchingAnEdgeOfTheShieldPutsTheSampleOffACorner) {
    EXPECT_EQ(DragTo(157, 145), (PixelPoint{157, 159})) << "right edge on the shield's left edge";
    EXPECT_EQ(DragTo(199, 145), (PixelPoint{199, 159})) << "left edge on the shield's right edge";
    EXPECT_EQ(DragTo(185, 130), (PixelPoint{199, 130})) << "bottom edge on the shield's top edge";
    EXPECT_EQ(DragTo(170, 159), (PixelPoint{157, 159})) << "top edge on the shield's bottom edge";
    EXPECT_EQ(DragTo(160, 132), (PixelPoint{157, 130})) << "over the top-left corner";
}

TEST(DragStep, OverlapOnOneAxisOnlyIsNoContact) {
    EXPECT_EQ(DragTo(185, 120), (PixelPoint{185, 120})) << "directly above the shield";
    EXPECT_EQ(DragTo(150, 145), (PixelPoint{150, 145})) << "directly left of it, one pixel apart";
}

TEST(DragStep, ASampleNarrowerThanTheShieldInsideItGoesToItsRight) {
    EXPECT_EQ(DragTo(185, 145, 10, 11), (PixelPoint{199, 159}));
}

TEST(DragStep, ASampleCoveringTheShieldIsPushedOffIt) {
    EXPECT_EQ(DragTo(170, 130, 24, 40), (PixelPoint{157, 101})) << "taller than the shield";
    EXPECT_EQ(DragTo(170, 130, 40, 40), (PixelPoint{141, 101})) << "larger both ways";
}

TEST(DragStep, DraggingPastAnEdgeKeepsTheSampleInsideThePreview) {
    EXPECT_EQ(DragTo(-30, 50), (PixelPoint{0, 50}));
    EXPECT_EQ(DragTo(500, 50), (PixelPoint{kInnerWidth - 24, 50}));
    EXPECT_EQ(DragTo(50, -5), (PixelPoint{50, 0}));
    EXPECT_EQ(DragTo(50, 400), (PixelPoint{50, kInnerHeight - 11}));
}

TEST(DragStep, TheFarEdgeWinsForASampleLargerThanThePreview) {
    EXPECT_EQ(DragTo(-600, -500, 500, 400), (PixelPoint{kInnerWidth - 500, kInnerHeight - 400}));
}

TEST(ChosenOffsets, DefaultThenOkGivesAutomaticWhereTheSampleIsSmallEnough) {
    const PixelPoint small = AutomaticSamplePlace(kCursor, 24, 11);
    EXPECT_EQ(ChosenOffsets({small.x, small.y, 24, 11}, kCursor), (PositionOffsets{0, 0}));
    const PixelPoint wide = AutomaticSamplePlace(kCursor, 40, 20);
    EXPECT_EQ(ChosenOffsets({wide.x, wide.y, 40, 20}, kCursor), (PositionOffsets{8, 0}))
        << "8 across for a sample wider than the cursor picture minus 8 pixels";
}

TEST(ChosenOffsets, DistancesFromTheHotSpotInPixels) {
    EXPECT_EQ(ChosenOffsets({170, 120, 24, 11}, kCursor), (PositionOffsets{-20, -30}));
    EXPECT_EQ(ChosenOffsets({190, 150, 24, 11}, kCursor), (PositionOffsets{0, 0})) << "corner on the hot spot";
}

TEST(ChosenOffsets, OffsetsBeyondTheLoadersRangeAreHandedOverAsTheyAre) {
    const PositionRect bigCursor{190, 150, 48, 48};
    const PixelPoint farCorner = DragStep({198, 180, 10, 8}, {1000, 1000}, kShield, 424, 344);
    EXPECT_EQ(ChosenOffsets({farCorner.x, farCorner.y, 10, 8}, bigCursor), (PositionOffsets{224, 186}));
}

} // namespace
} // namespace morvane
