#include <gtest/gtest.h>

#include "doubles/fake_display_facts.h"
#include "indicator/display_rules.h"
#include "indicator/win32/paint_cursor.h"
#include "win/indicator/main_window_fixture.h"
#include "win/support/paint_fixtures.h"

namespace morvane::win32 {
namespace {

TEST(CapsBarPaintTest, TheMarkFillsItsRoomInTheTextColourAndTheSizeStays) {
    const test_support::PopupWindow window;
    DrawingSurface surface({15, 15});
    surface.SetFont(test_support::DefaultIndicatorFont());
    surface.SetForeColor(0x000000FF);
    PaintIndicator(surface, window.get(), {L"EN", 1, false, {15, 15}, true, false});
    const SIZE room{surface.WidthPixels(), surface.HeightPixels()};
    EXPECT_EQ(GetPixel(surface.hDC(), 4, 0), 0x00FFFFFFu) << "Caps Lock off: the room stays empty";

    PaintIndicator(surface, window.get(), {L"EN", 1, false, {15, 15}, true, true});
    EXPECT_TRUE(surface.WidthPixels() == room.cx && surface.HeightPixels() == room.cy) << "the size stays";
    for (int y = 0; y < kCapsBarRows; ++y)
        for (int x = 1; x < room.cx - 1; ++x) EXPECT_EQ(GetPixel(surface.hDC(), x, y), 0x000000FFu) << x << "," << y;
    EXPECT_EQ(GetPixel(surface.hDC(), 0, 0), 0x00FFFFFFu) << "the margin stays free";
    EXPECT_EQ(GetPixel(surface.hDC(), 4, kCapsBarRows), 0x00FFFFFFu) << "a free row under the bar";
}

class CaptureTest : public test_support::MainWindowTest {
protected:
    void TearDown() override { fwHidden.Unload(), MainWindowTest::TearDown(); }
    FakeDisplayFacts facts;
    MainWindow fwHidden{store, process, input, facts};
};

TEST_F(CaptureTest, TheWindowIsLeftOutOfCaptureFromLoadAndBackWhenSwitchedOff) {
    WritePrivateProfileStringW(L"Main", L"NoCapture", L"1", path.c_str());
    fwHidden.Load();
    const auto id = reinterpret_cast<WindowId>(fwHidden.hWnd());
    EXPECT_EQ(facts.excludedFromCapture, (std::map<WindowId, bool>{{id, true}}));
    fwHidden.SetDisplayOptions({});
    EXPECT_EQ(facts.excludedFromCapture, (std::map<WindowId, bool>{{id, false}}));
}

} // namespace
} // namespace morvane::win32
