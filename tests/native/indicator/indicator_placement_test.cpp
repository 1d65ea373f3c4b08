#include "indicator/indicator_placement.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

constexpr TwipsPerPixel kAt96Dpi{15, 15};
constexpr CursorSize kCursor{32, 32};
constexpr ScreenPoint kHotSpot{400, 300};

IndicatorGeometry Pixels(int width, int height, TwipsPerPixel twips = kAt96Dpi) {
    return {twips, width * twips.x, height * twips.y};
}

ScreenPoint Placed(IndicatorOffset stored, const IndicatorGeometry& indicator, CursorSize cursor = kCursor) {
    return IndicatorTopLeft(kHotSpot, SettledOffset(stored, indicator), cursor, indicator);
}

TEST(SettledOffset, OffsetsThatStayClearOfTheHotSpotAreKept) {
    EXPECT_EQ(SettledOffset({-30, -20}, Pixels(24, 14)), (IndicatorOffset{-30, -20}))
        << "-30 + 24 < 0: wholly above and to the left of the hot spot";
    EXPECT_EQ(SettledOffset({0, -40}, Pixels(24, 14)), (IndicatorOffset{0, -40}));
    EXPECT_EQ(SettledOffset({-10, 20}, Pixels(24, 14)), (IndicatorOffset{-10, 20})) << "below the hot spot";
}

TEST(SettledOffset, OffsetsThatReachTheHotSpotBothWaysBecomeAutomatic) {
    EXPECT_EQ(SettledOffset({-10, -10}, Pixels(24, 14)), (IndicatorOffset{0, 0}));
    EXPECT_EQ(SettledOffset({0, -10}, Pixels(24, 14)), (IndicatorOffset{0, 0}))
        << "-10 + 14 >= 0: the vertical offset goes automatic too";
    EXPECT_EQ(SettledOffset({-24, -14}, Pixels(24, 14)), (IndicatorOffset{0, 0})) << "touching counts as reaching";
}

TEST(IndicatorTopLeft, StoredOffsetsAreUsedUnchangedOnTheirOwnAxis) {
    EXPECT_EQ(Placed({-30, -20}, Pixels(24, 14)), (ScreenPoint{370, 280}));
    EXPECT_EQ(Placed({0, -40}, Pixels(24, 14)), (ScreenPoint{400 + 8, 260})) << "automatic across, fixed down";
    EXPECT_EQ(Placed({25, 0}, Pixels(24, 14)), (ScreenPoint{425, 300 + 18})) << "fixed across, automatic down";
}

TEST(IndicatorTopLeft, AutomaticPutsTheFarEdgeOnTheCursorImagesEdge) {
    EXPECT_EQ(Placed({0, 0}, Pixels(20, 14)), (ScreenPoint{400 + 12, 300 + 18}));
    EXPECT_EQ(Placed({-10, -10}, Pixels(20, 14)), (ScreenPoint{412, 318})) << "reset offsets place automatically";
}

TEST(IndicatorTopLeft, AutomaticStaysAtLeastEightPixelsFromTheHotSpot) {
    EXPECT_EQ(Placed({0, 0}, Pixels(30, 30)), (ScreenPoint{408, 308}));
    EXPECT_EQ(Placed({0, 0}, Pixels(20, 14), {16, 16}), (ScreenPoint{408, 308}))
        << "a cursor smaller than the indicator";
}

TEST(IndicatorTopLeft, TheSizeInPixelsFollowsTheScreensScale) {
    // At 120 dots per inch a pixel is 12 twips; 240 twips are 20 pixels.
    const IndicatorGeometry indicator{{12, 12}, 240, 240};
    EXPECT_EQ(IndicatorTopLeft(kHotSpot, {}, kCursor, indicator), (ScreenPoint{412, 312}));
}

TEST(IndicatorTopLeft, IsNotLimitedToTheScreen) {
    EXPECT_EQ(IndicatorTopLeft({1279, 799}, {}, kCursor, Pixels(20, 14)), (ScreenPoint{1291, 817}));
    EXPECT_EQ(IndicatorTopLeft({0, 0}, {-190, -150}, kCursor, Pixels(20, 14)), (ScreenPoint{-190, -150}));
}

} // namespace
} // namespace morvane
