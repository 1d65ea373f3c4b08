// fwMain driven by its tick: the painted indicator, where it goes, and that
// it never takes the foreground or the focus.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <string_view>

#include "platform/win32/drawing_surface.h"
#include "platform/win32/handles.h"
#include "platform/win32/timer.h"
#include "win/indicator/main_window_fixture.h"
#include "win/platform/test_window.h"
#include "win/support/paint_fixtures.h"

namespace morvane::win32 {
namespace {

using test_support::DefaultIndicatorFont;
using test_support::MainWindowTest;
using test_support::TestWindow;

constexpr int kCursorSize = 32;  // the fake's system cursor

// The size of a code painted in the default font with a margin, in pixels,
// measured on a surface of its own.
SIZE PaintedSize(std::wstring_view code, int margin) {
    DrawingSurface measure(ScreenTwipsPerPixel());
    measure.SetFont(DefaultIndicatorFont());
    const int textWidth = static_cast<int>(measure.TextWidth(code)) / 15;
    const int textHeight = static_cast<int>(measure.TextHeight(code)) / 15;
    return {textWidth + 2 * margin, textHeight + 2 * (margin - 2)};
}

// The window's shape as a region of its own, or nullptr when it has none.
UniqueRegion ShapeOf(HWND window) {
    UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, shape.get()) == ERROR) return {};
    return shape;
}

class IndicatorTrackingTest : public MainWindowTest {
protected:
    void SetUp() override {
        MainWindowTest::SetUp();
        ASSERT_EQ(ScreenTwipsPerPixel().x, 15) << "the expected sizes are those of 96 dots per inch";
        LoadBoth();
        fwMain.SetVisible(true);
    }
    // A tick with the cursor's hot spot at (x, y), over no window of the test.
    void TickAt(int x, int y) {
        input.position = {x, y};
        Tick();
    }
};

TEST_F(IndicatorTrackingTest, TheIndicatorIsTheCodePlusTheMarginInTheDefaultFont) {
    TickAt(300, 200);
    for (const int margin : {0, 1, 9}) {
        fwMain.MARGIN_Width = margin;
        fwMain.zPaintCursor();
        const SIZE expected = PaintedSize(L"EN", margin);
        EXPECT_EQ(Size().cx, expected.cx) << "margin " << margin;
        EXPECT_EQ(Size().cy, expected.cy) << "margin " << margin;
    }
}

TEST_F(IndicatorTrackingTest, TransparencyCutsTheIndicatorToItsLetters) {
    fwMenu.SetTransparentChecked(true);
    TickAt(300, 200);
    const UniqueRegion shape = ShapeOf(fwMain.hWnd());
    ASSERT_TRUE(shape) << "the indicator must have been given a shape";
    RECT box{};
    ASSERT_EQ(GetRgnBox(shape.get(), &box), COMPLEXREGION);
    EXPECT_GE(box.left, 0);
    EXPECT_GE(box.top, 0);
    EXPECT_LE(box.right, Size().cx);
    EXPECT_LE(box.bottom, Size().cy);
    EXPECT_FALSE(PtInRegion(shape.get(), 0, 0)) << "the background corner is cut away";
}

TEST_F(IndicatorTrackingTest, TextInTheBackgroundColourLeavesNothingOfTheIndicator) {
    fwMenu.SetTransparentChecked(true);
    fwMain.ForeColor = fwMain.BackColor;
    TickAt(300, 200);
    const UniqueRegion shape = ShapeOf(fwMain.hWnd());
    ASSERT_TRUE(shape);
    RECT box{};
    EXPECT_EQ(GetRgnBox(shape.get(), &box), NULLREGION);
}

TEST_F(IndicatorTrackingTest, WithoutTheMarkTheIndicatorKeepsItsFullRectangle) {
    TickAt(300, 200);
    EXPECT_FALSE(ShapeOf(fwMain.hWnd()));
}

TEST_F(IndicatorTrackingTest, ATickPlacesTheIndicatorAtTheAutomaticOffset) {
    for (const POINT hotSpot : {POINT{300, 200}, POINT{850, 560}, POINT{1270, 790}}) {
        TickAt(hotSpot.x, hotSpot.y);
        const SIZE size = Size();
        const RECT bounds = Bounds();
        EXPECT_EQ(bounds.left, hotSpot.x + std::max(kCursorSize - static_cast<int>(size.cx), 8)) << hotSpot.x;
        EXPECT_EQ(bounds.top, hotSpot.y + std::max(kCursorSize - static_cast<int>(size.cy), 8)) << hotSpot.y;
    }
}

TEST_F(IndicatorTrackingTest, ATickPlacesTheIndicatorAtFixedOffsets) {
    fwMain.POSITION_Left = 25;
    fwMain.POSITION_TOP = -40;
    TickAt(500, 400);
    EXPECT_EQ(Bounds().left, 525);
    EXPECT_EQ(Bounds().top, 360);
}

TEST_F(IndicatorTrackingTest, OffsetsOverTheHotSpotAreResetInMemoryOnly) {
    fwMain.POSITION_Left = -10;
    fwMain.POSITION_TOP = -10;
    TickAt(500, 400);
    EXPECT_EQ(fwMain.POSITION_Left, 0);
    EXPECT_EQ(fwMain.POSITION_TOP, 0);
    EXPECT_EQ(GetFileAttributesW(path.c_str()), INVALID_FILE_ATTRIBUTES) << "nothing is written";
    EXPECT_EQ(Bounds().left, 500 + std::max(kCursorSize - static_cast<int>(Size().cx), 8));
}

TEST_F(IndicatorTrackingTest, ALanguageWithoutANameShowsThePlaceholder) {
    ASSERT_NE(PaintedSize(L"??", 1).cx, PaintedSize(L"EN", 1).cx) << "the sizes must tell the codes apart";
    input.languageNames.clear();
    TickAt(300, 200);
    EXPECT_EQ(Size().cx, PaintedSize(L"??", 1).cx);
    EXPECT_EQ(Size().cy, PaintedSize(L"??", 1).cy);
}

TEST_F(IndicatorTrackingTest, AHiddenIndicatorReadsNothingAndStaysWhereItIs) {
    TickAt(300, 200);
    const RECT before = Bounds();
    const int lookups = input.languageLookups;
    fwMain.SetVisible(false);
    input.threadLayout = 0x04070407;
    TickAt(700, 500);
    EXPECT_EQ(input.languageLookups, lookups);
    const RECT after = Bounds();
    EXPECT_TRUE(EqualRect(&before, &after));
}

TEST_F(IndicatorTrackingTest, TicksNeverTakeTheForegroundOrTheFocus) {
    TestWindow editor;
    ASSERT_TRUE(editor.LoadTopLevel());
    editor.SetVisible(true);
    SetForegroundWindow(editor.hWnd());
    SetFocus(editor.hWnd());
    ASSERT_EQ(GetForegroundWindow(), editor.hWnd()) << "the test needs a foreground window of its own";

    fwMenu.SetTransparentChecked(true);
    for (const KeyboardLayout layout : {0x04090409u, 0x04070407u, 0x04190419u}) {
        input.threadLayout = layout;  // a repaint and a new shape on every tick
        TickAt(200 + static_cast<int>(layout & 0xFF), 300);
    }
    EXPECT_TRUE(ExStyle() & WS_EX_TOPMOST);
    EXPECT_EQ(GetForegroundWindow(), editor.hWnd());
    EXPECT_EQ(GetActiveWindow(), editor.hWnd());
    EXPECT_EQ(GetFocus(), editor.hWnd());
}

TEST_F(IndicatorTrackingTest, AClickOnTheIndicatorDoesNotActivateIt) {
    EXPECT_EQ(SendMessageW(fwMain.hWnd(), WM_MOUSEACTIVATE, 0, MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN)), MA_NOACTIVATE);
}

TEST_F(IndicatorTrackingTest, TheGestureOpensTheMenuAndDoesNothingElse) {
    TickAt(300, 200);
    const RECT before = Bounds();
    const int cursorReads = input.cursorReads;
    input.keysHeld = {virtual_key::kLeftShift, virtual_key::kMiddleButton};
    input.position = {700, 500};

    // Runs inside the menu's own loop: a tick while the menu is open, then the menu is closed.
    TestWindow stepper;
    ASSERT_TRUE(stepper.LoadTopLevel(WS_POPUP));
    bool menuWasOpen = false;
    Timer step(stepper, 10);
    step.OnTick = [&] {
        step.SetEnabled(false);
        menuWasOpen = fwMenu.IsMenuOpen();
        Tick();
        EndMenu();
    };
    step.SetEnabled(true);
    Tick();

    EXPECT_TRUE(menuWasOpen);
    EXPECT_FALSE(fwMenu.IsMenuOpen());
    EXPECT_EQ(input.cursorReads, cursorReads)
        << "neither the opening tick nor a tick during the menu follows the cursor";
    const RECT after = Bounds();
    EXPECT_TRUE(EqualRect(&before, &after)) << "the indicator stays below the menu";
}

} // namespace
} // namespace morvane::win32
