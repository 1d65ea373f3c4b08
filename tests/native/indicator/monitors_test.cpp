// Two monitors at different scales, the second left of and above the
// primary: the scale and figures the indicator takes on each, and Keep
// Inside at each edge and corner.
#include <gtest/gtest.h>

#include "doubles/fake_monitors.h"
#include "indicator/indicator_placement.h"
#include "indicator/monitor_follower.h"
#include "platform/twips.h"

namespace morvane {
namespace {

const ScreenRect kPrimary{0, 0, 1920, 1080}, kLeft{-1440, -200, 0, 700};

TEST(Monitors, TheIndicatorTakesTheScaleOfTheMonitorUnderTheHotSpot) {
    FakeMonitors monitors;
    monitors.monitors = {{kPrimary, 96}, {kLeft, 144}};
    MonitorFollower follower(monitors);
    follower.Start({32, 32});
    // Hot spot; the monitor's left edge and scale, redrawn or not, the font of 8.25 points, the cursor; the
    // indicator at the automatic offset for EN, 22 x 13 pixels of text at 96 DPI and 33 x 19 at 144, margin 1.
    const struct { ScreenPoint hotSpot; int left, dpi; bool redrawn; int font, cursor; ScreenPoint at; } rows[] = {
        {{100, 100}, 0, 96, false, 11, 32, {108, 121}},     {{-700, 300}, -1440, 144, true, 16, 48, {-687, 331}},
        {{-1, -200}, -1440, 144, false, 16, 48, {12, -169}}, {{-1500, 800}, -1440, 144, false, 16, 48, {-1487, 831}},
        {{0, 0}, 0, 96, true, 11, 32, {8, 21}},             {{1919, 1079}, 0, 96, false, 11, 32, {1927, 1100}}};
    for (const auto& row : rows) {
        const auto at = ::testing::Message() << row.hotSpot.x << "," << row.hotSpot.y;
        EXPECT_EQ(follower.Follow(row.hotSpot), row.redrawn) << at;
        const int dpi = follower.Current().dpi;
        const double t = TwipsPerPixelFromDpi(dpi);
        EXPECT_EQ(std::tuple(follower.Current().rect.left, dpi, FontPixelsFromPoints(8.25, dpi), follower.Cursor().width),
                  std::tuple(row.left, row.dpi, row.font, row.cursor)) << at;
        const PaintLayout paint = dpi == 96 ? LayoutPaint(22, 13, {t, t}, 1) : LayoutPaint(33, 19, {t, t}, 1);
        EXPECT_EQ(IndicatorTopLeft(row.hotSpot, {}, follower.Cursor(), {{t, t}, paint.width, paint.height}), row.at) << at;
    }
    EXPECT_EQ(monitors.reads, 1) << "a tick looks the hot spot up without reading the monitors";
    monitors.monitors = {{kPrimary, 120}};
    follower.Reread();
    EXPECT_TRUE(follower.Follow({-700, 300}) && (follower.Current() == Monitor{kPrimary, 120})) << "the left one is gone";
}

TEST(Monitors, KeepInsideMirrorsOnTheAxisThatCrossesAndNeverLeavesTheMonitor) {
    // 35 x 17 pixels at 144 DPI, 24 x 11 at 96 on the primary: inside; the right, bottom and left edges; the
    // bottom-right and top-left corners; the primary's right edge; a monitor smaller than the indicator.
    const struct { ScreenRect monitor; ScreenPoint hotSpot, placed, kept; } rows[] = {
        {kLeft, {-700, 300}, {-687, 331}, {-687, 331}}, {kLeft, {-20, 300}, {-7, 331}, {-68, 331}},
        {kLeft, {-700, 690}, {-687, 721}, {-687, 642}}, {kLeft, {-1430, 300}, {-1480, 331}, {-1415, 331}},
        {kLeft, {-5, 695}, {8, 726}, {-53, 647}},       {kLeft, {-1435, -195}, {-1480, -240}, {-1425, -167}},
        {kPrimary, {1915, 500}, {1923, 521}, {1883, 521}}, {{0, 0, 20, 10}, {5, 5}, {18, 36}, {0, 0}}};
    for (const auto& row : rows) {
        const bool primary = row.monitor == kPrimary;
        const double t = primary ? 15 : 10;
        const IndicatorGeometry indicator{{t, t}, (primary ? 24 : 35) * t, (primary ? 11 : 17) * t};
        EXPECT_EQ(KeptInside(row.placed, row.hotSpot, indicator, row.monitor), row.kept) << row.hotSpot.x;
    }
}

} // namespace
} // namespace morvane
