#include "platform/twips.h"

#include <gtest/gtest.h>

#include <limits>

namespace morvane {
namespace {

TEST(Twips, TwipsPerPixelFollowTheResolution) {
    EXPECT_DOUBLE_EQ(TwipsPerPixelFromDpi(96), 15);
    EXPECT_DOUBLE_EQ(TwipsPerPixelFromDpi(120), 12);
    EXPECT_DOUBLE_EQ(TwipsPerPixelFromDpi(144), 10);
    EXPECT_DOUBLE_EQ(TwipsPerPixelFromDpi(0), 15) << "a screen without a resolution counts as 96 dots per inch";
}

TEST(Twips, PixelsAreTheNearestWholeNumberWithHalvesToEven) {
    EXPECT_EQ(PixelsFromTwips(360, 15), 24);
    EXPECT_EQ(PixelsFromTwips(367, 15), 24);
    EXPECT_EQ(PixelsFromTwips(37.5, 15), 2) << "2.5 goes to 2";
    EXPECT_EQ(PixelsFromTwips(52.5, 15), 4) << "3.5 goes to 4";
    EXPECT_EQ(PixelsFromTwips(-37.5, 15), -2);
}

TEST(Twips, PixelsStayWithin32Bits) {
    EXPECT_EQ(PixelsFromTwips(1e300, 15), std::numeric_limits<std::int32_t>::max());
    EXPECT_EQ(PixelsFromTwips(-1e300, 15), std::numeric_limits<std::int32_t>::min());
}

TEST(Twips, PixelsRoundTripThroughTwips) {
    for (const double perPixel : {15.0, 12.0, 1440.0 / 168}) {
        for (const std::int32_t pixels : {-190, -1, 0, 1, 24, 1279}) {
            EXPECT_EQ(PixelsFromTwips(TwipsFromPixels(pixels, perPixel), perPixel), pixels) << perPixel;
        }
    }
}

} // namespace
} // namespace morvane
