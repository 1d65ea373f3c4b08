#include <gtest/gtest.h>

#include "platform/common_dialogs.h"

namespace morvane {
namespace {

// A 1280 x 800 screen at 96 dots per inch, in twips.
constexpr double kScreenWidth = 1280 * 15.0;
constexpr double kScreenHeight = 800 * 15.0;

TEST(DialogCentringTest, DialogStandsInTheMiddleOfTheScreen) {
    const DialogOrigin origin = CentredDialogOrigin(kScreenWidth, kScreenHeight, 15, 15, 400, 300);
    EXPECT_EQ(origin.left, 440);
    EXPECT_EQ(origin.top, 250);
}

TEST(DialogCentringTest, OddFreeRoomLeavesTheSparePixelOnTheRightAndBottom) {
    const DialogOrigin origin = CentredDialogOrigin(kScreenWidth, kScreenHeight, 15, 15, 399, 301);
    EXPECT_EQ(origin.left, 440);
    EXPECT_EQ(origin.top, 249);
}

TEST(DialogCentringTest, DialogLargerThanTheScreenGetsNegativeEdges) {
    const DialogOrigin origin = CentredDialogOrigin(kScreenWidth, kScreenHeight, 15, 15, 1400, 901);
    EXPECT_EQ(origin.left, -60);
    EXPECT_EQ(origin.top, -50) << "halving -101 drops the fraction towards zero";
}

TEST(DialogCentringTest, FreeRoomIsMadeWholeBeforeHalving) {
    // 1000 pixels of 12.5 twips, a dialog of 400: the screen is 1000 pixels.
    EXPECT_EQ(CentredDialogOrigin(12500, 12500, 12.5, 12.5, 400, 400).left, 300);
    // A screen of 1000.5 pixels: 600.5 free goes to 600, then 300.
    EXPECT_EQ(CentredDialogOrigin(1000.5 * 12, 1000.5 * 12, 12, 12, 400, 400).top, 300);
    // 601.5 free goes to 602, then 301.
    EXPECT_EQ(CentredDialogOrigin(1001.5 * 12, 1001.5 * 12, 12, 12, 400, 400).top, 301);
}

} // namespace
} // namespace morvane
