// Two monitors at different scales, the second left of and above the
// primary: the scale and figures the indicator takes on each, Keep Inside at
// each edge and corner, and where dialogs open.
#include <gtest/gtest.h>

#include "doubles/fake_monitors.h"
#include "indicator/indicator_placement.h"
#include "indicator/monitor_follower.h"
#include "platform/dialog_centring.h"
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
        const double twips = TwipsPerPixelFromDpi(dpi);
        EXPECT_EQ(std::tuple(follower.Current().rect.left, dpi, FontPixelsFromPoints(8.25, dpi), follower.Cursor().width),
                  std::tuple(row.left, row.dpi, row.font, row.cursor)) << at;
        const PaintLayout paint = dpi == 96 ? LayoutPaint(22, 13, {twips, twips}, 1) : LayoutPaint(33, 19, {twips, twips}, 1);
        EXPECT_EQ(IndicatorTopLeft(row.hotSpot, {}, follower.Cursor(), {{twips, twips}, paint.width, paint.height}), row.at) << at;
    }
    EXPECT_EQ(monitors.reads, 1) << "a tick looks the hot spot up without reading the monitors";
    monitors.monitors = {{kPrimary, 120}};
    follower.Reread();
    EXPECT_TRUE(follower.Follow({-700, 300}) && (follower.Current() == Monitor{kPrimary, 120})) << "the left one is gone";
}

TEST(Monitors, KeepInsideMirrorsOnTheAxisThatCrossesAndNeverLeavesTheMonitor) {
    // 35 x 17 pixels at 144 DPI on the left monitor, or 24 x 11 at 96 on the primary; top-left as placed, then kept.
    const struct { const char* where; ScreenRect monitor; ScreenPoint hotSpot, placed, kept; } rows[] = {
        {"inside", kLeft, {-700, 300}, {-687, 331}, {-687, 331}},
        {"right edge", kLeft, {-20, 300}, {-7, 331}, {-68, 331}},
        {"bottom edge", kLeft, {-700, 690}, {-687, 721}, {-687, 642}},
        {"bottom-right corner", kLeft, {-5, 695}, {8, 726}, {-53, 647}},
        {"left edge", kLeft, {-1430, 300}, {-1480, 331}, {-1415, 331}},
        {"top-left corner", kLeft, {-1435, -195}, {-1480, -240}, {-1425, -167}},
        {"primary's right edge", kPrimary, {1915, 500}, {1923, 521}, {1883, 521}},
        {"larger than the monitor", {0, 0, 20, 10}, {5, 5}, {18, 36}, {0, 0}}};
    for (const auto& row : rows) {
        const double twips = row.monitor == kPrimary ? 15 : 10;
        const IndicatorGeometry indicator{{twips, twips}, (twips == 15 ? 24 : 35) * twips, (twips == 15 ? 11 : 17) * twips};
        EXPECT_EQ(KeptInside(row.placed, row.hotSpot, indicator, row.monitor), row.kept) << row.where;
    }
}

TEST(Monitors, DialogsOpenCentredOnTheMonitorUnderTheCursor) {
    const std::vector<Monitor> monitors{{{0, 0, 1024, 768}, 96}, {{1024, 0, 1824, 600}, 96}, {{-800, -600, 0, 0}, 144}};
    // Cursor; dialog size; its top-left corner (a half pixel of free room dropped towards zero).
    const struct { ScreenPoint cursor; int width, height; ScreenPoint origin; } rows[] = {
        {{500, 400}, 411, 300, {306, 234}}, {{1500, 100}, 411, 300, {1218, 150}},
        {{1500, 700}, 411, 300, {1218, 150}}, {{-5, -5}, 411, 301, {-606, -451}}, {{-400, -300}, 901, 701, {-850, -650}}};
    for (const auto& row : rows)
        {
        const DialogOrigin origin = CentredOrigin(MonitorAt(monitors, row.cursor).rect, row.width, row.height, HalfPixel::TowardZero);
        EXPECT_EQ(origin.left, row.origin.x) << row.cursor.x;
        EXPECT_EQ(origin.top, row.origin.y) << row.cursor.x;
    }
}

} // namespace
} // namespace morvane
