#include "position/win32/position_window.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "indicator/win32/paint_cursor.h"
#include "platform/win32/screen_metrics.h"
#include "win/support/control_queries.h"

namespace morvane::win32 {
namespace {

using test_support::ClientSize;
using test_support::ExpectPlace;
using test_support::PlaceOf;
using test_support::TextOf;

// The indicator window as the dialog sees it: a hidden window of the test
// that paints "EN" like the indicator and records what it is handed back.
class FakeIndicator : public Window, public PositionOwner {
public:
    bool Load() {
        WindowDesign design;
        design.className = L"Morvane3PositionTestIndicator";
        design.style = WS_POPUP;
        design.exStyle = WS_EX_TOOLWINDOW;
        if (!Create(design)) return false;
        SetIcon(LoadIconW(nullptr, IDI_APPLICATION));
        return true;
    }

    const Window& IndicatorWindow() const override { return *this; }
    Colour IndicatorForeColor() const override { return 0x000000FF; }
    Colour IndicatorBackColor() const override { return 0x00FFFFFF; }
    const StdFont& IndicatorFont() const override { return font; }
    std::int32_t CursorWidth() const override { return cursorSize; }
    std::int32_t CursorHeight() const override { return cursorSize; }
    PositionOffsets Offsets() const override { return offsets; }
    void SetOffsets(PositionOffsets chosen) override {
        offsets = chosen;
        ++offsetWrites;
    }
    void zPaintCursor(PictureBox& vObj) override {
        PaintIndicator(vObj.Surface(), vObj.hWnd(), {L"EN", 1, transparent, ScreenTwipsPerPixel()});
    }
    void zPosition_Return() override {
        ++returns;
        offsetsReturned = offsets;
    }

    StdFont font = [] {
        StdFont f;
        f.Name = L"Tahoma";
        f.Size = 8;
        f.SetBold(true);
        return f;
    }();
    std::int32_t cursorSize = 32;
    PositionOffsets offsets;
    bool transparent = false;
    int offsetWrites = 0;
    int returns = 0;
    std::optional<PositionOffsets> offsetsReturned;
};

LPARAM PointParam(int x, int y) {
    return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), static_cast<WORD>(static_cast<short>(y)));
}

class PositionWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_EQ(TwipsPerPixelX(), 15) << "the layout figures are those of 96 dots per inch";
        ASSERT_TRUE(indicator.Load());
        // The real pointer stays away from the dialog, so that it moves nothing.
        SetCursorPos(0, 0);
    }
    void TearDown() override {
        dialog.Unload();
        indicator.Unload();
    }

    HWND Control(int id) const { return GetDlgItem(dialog.hWnd(), id); }
    HWND InDesktop(int id) const { return GetDlgItem(Control(position_control::kDesktop), id); }
    HWND InBar(int id) const { return GetDlgItem(Control(position_control::kBar), id); }
    HWND Sample() const { return InDesktop(position_control::kSample); }
    POINT SampleCorner() const {
        const RECT r = PlaceOf(Sample());
        return {r.left, r.top};
    }
    SIZE SampleSize() const {
        const RECT r = PlaceOf(Sample());
        return {r.right - r.left, r.bottom - r.top};
    }

    // Delivers what is queued, the dialog's keys first, as the program's loop does.
    void Pump() {
        MSG message{};
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
            if (dialog.IsLoaded() && dialog.PreTranslateMessage(message)) continue;
            TranslateMessage(&message);
            DispatchMessageW(&message);
        }
    }

    // A press of the button at the sample's (1, 1), a move to (dx, dy) from
    // the sample's corner, and the release.
    void Drag(int dx, int dy, UINT down = WM_LBUTTONDOWN, UINT up = WM_LBUTTONUP) {
        PostMessageW(Sample(), down, 0, PointParam(1, 1));
        PostMessageW(Sample(), WM_MOUSEMOVE, 0, PointParam(dx, dy));
        PostMessageW(Sample(), up, 0, PointParam(dx, dy));
        Pump();
    }

    void Press(HWND button) {
        SendMessageW(button, BM_CLICK, 0, 0);
        Pump();
    }

    FakeIndicator indicator;
    PositionWindow dialog{indicator, L"Morvane3\u2122 - Set Position"};
};

TEST_F(PositionWindowTest, CommonCursorSizeIsLaidOutAsTheWorkedExample) {
    ASSERT_TRUE(dialog.Load());
    EXPECT_EQ(TextOf(dialog.hWnd()), L"Morvane3\u2122 - Set Position");
    const SIZE client = ClientSize(dialog.hWnd());
    EXPECT_EQ(client.cx, 417);
    EXPECT_EQ(client.cy, 415);
    const RECT label = PlaceOf(Control(position_control::kLabel));
    EXPECT_EQ(label.left, 6);
    EXPECT_EQ(label.top, 6);
    EXPECT_EQ(label.bottom - label.top, 14);
    ExpectPlace(Control(position_control::kDesktop), 3, 26, 412, 332, "pbDesktop");
    const SIZE inner = ClientSize(Control(position_control::kDesktop));
    EXPECT_EQ(inner.cx, 408) << "inside the two-pixel border";
    EXPECT_EQ(inner.cy, 328);
    ExpectPlace(InDesktop(position_control::kCursor), 190, 150, 32, 32, "pbCursor");
    ExpectPlace(Control(position_control::kBar), 0, 357, 417, 58, "pbBar");
    ExpectPlace(InBar(position_control::kCancel), 327, 17, 75, 23, "bbCancel");
    ExpectPlace(InBar(position_control::kOk), 243, 17, 75, 23, "bbOK");
    ExpectPlace(InBar(position_control::kDefault), 159, 17, 75, 23, "bbDefault");
}

TEST_F(PositionWindowTest, ALargerCursorGrowsTheDialogAndKeepsTheHotSpot) {
    indicator.cursorSize = 48;
    ASSERT_TRUE(dialog.Load());
    const SIZE client = ClientSize(dialog.hWnd());
    EXPECT_EQ(client.cx, 433);
    EXPECT_EQ(client.cy, 431);
    ExpectPlace(InDesktop(position_control::kCursor), 190, 150, 48, 48, "pbCursor");
    ExpectPlace(InBar(position_control::kCancel), 343, 17, 75, 23, "bbCancel");
}

TEST_F(PositionWindowTest, TheDialogIsAFixedCentredWindowOwnedByTheIndicator) {
    ASSERT_TRUE(dialog.Load());
    EXPECT_EQ(GetWindow(dialog.hWnd(), GW_OWNER), indicator.hWnd());
    EXPECT_EQ(dialog.Icon(), indicator.Icon());
    const auto style = GetWindowLongPtrW(dialog.hWnd(), GWL_STYLE);
    EXPECT_NE(style & WS_SYSMENU, 0) << "a close box";
    EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);
    RECT outer{};
    GetWindowRect(dialog.hWnd(), &outer);
    EXPECT_NEAR((outer.left + outer.right) / 2, GetSystemMetrics(SM_CXSCREEN) / 2, 1);
    EXPECT_NEAR((outer.top + outer.bottom) / 2, GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST_F(PositionWindowTest, CancelHoldsTheFocusAndOkIsTheDefaultButton) {
    ASSERT_TRUE(dialog.Show());
    EXPECT_EQ(GetFocus(), InBar(position_control::kCancel));
    EXPECT_EQ(TextOf(InBar(position_control::kDefault)), L"&Default");
    EXPECT_EQ(TextOf(InBar(position_control::kOk)), L"&OK");
    EXPECT_EQ(TextOf(InBar(position_control::kCancel)), L"&Cancel");
    EXPECT_NE(GetWindowLongPtrW(InBar(position_control::kOk), GWL_STYLE) & BS_DEFPUSHBUTTON, 0);
}

TEST_F(PositionWindowTest, ThePreviewShowsTheArrowAndTheShieldOnTheDesktopColour) {
    ASSERT_TRUE(dialog.Show());
    const HWND desktop = Control(position_control::kDesktop);
    const HWND cursor = InDesktop(position_control::kCursor);
    UpdateWindow(desktop);
    UpdateWindow(cursor);
    const WindowDc desktopDc = WindowDc::Client(desktop);
    EXPECT_EQ(GetPixel(desktopDc.get(), 100, 100), GetSysColor(COLOR_DESKTOP));
    EXPECT_EQ(GetPixel(desktopDc.get(), 181, 141), GetSysColor(COLOR_3DHIGHLIGHT)) << "the shield's corner";
    EXPECT_EQ(GetPixel(desktopDc.get(), 200, 149), GetSysColor(COLOR_3DHIGHLIGHT)) << "the frame's top edge";
    const WindowDc cursorDc = WindowDc::Client(cursor);
    EXPECT_NE(GetPixel(cursorDc.get(), 0, 0), GetSysColor(COLOR_DESKTOP)) << "the arrow's tip at the hot spot";
    EXPECT_EQ(GetPixel(cursorDc.get(), 3, 6), COLORREF{0x00FFFFFF}) << "inside the arrow";
    EXPECT_EQ(GetPixel(cursorDc.get(), 31, 0), GetSysColor(COLOR_DESKTOP)) << "beside the arrow";
}

TEST_F(PositionWindowTest, TheSampleIsPaintedByTheIndicatorAndStartsAtTheOffset) {
    indicator.offsets = {-20, -30};
    ASSERT_TRUE(dialog.Load());
    const POINT corner = SampleCorner();
    EXPECT_EQ(corner.x, 170);
    EXPECT_EQ(corner.y, 120);
    const SIZE size = SampleSize();
    EXPECT_GT(size.cx, 2) << "sized to the code by the indicator's paint";
    EXPECT_GT(size.cy, 0);
}

TEST_F(PositionWindowTest, AnAutomaticOffsetPutsTheSmallSampleOnTheCursorPicturesCorner) {
    ASSERT_TRUE(dialog.Load());
    const POINT corner = SampleCorner();
    const SIZE size = SampleSize();
    ASSERT_LT(size.cx, 24);
    ASSERT_LT(size.cy, 24);
    EXPECT_EQ(corner.x + size.cx, 190 + 32);
    EXPECT_EQ(corner.y + size.cy, 150 + 32);
}

TEST_F(PositionWindowTest, WithTransparencyTheSampleIsCutToItsLetters) {
    indicator.transparent = true;
    ASSERT_TRUE(dialog.Load());
    const UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    EXPECT_EQ(GetWindowRgn(Sample(), shape.get()), COMPLEXREGION);
}

TEST_F(PositionWindowTest, DraggingWithAnyButtonMovesTheSamplesCornerToThePointer) {
    indicator.offsets = {-100, -100};
    ASSERT_TRUE(dialog.Load());
    Drag(30, 40);
    EXPECT_EQ(SampleCorner().x, 120);
    EXPECT_EQ(SampleCorner().y, 90);
    Drag(-10, 5, WM_RBUTTONDOWN, WM_RBUTTONUP);
    EXPECT_EQ(SampleCorner().x, 110);
    EXPECT_EQ(SampleCorner().y, 95);
    EXPECT_FALSE(dialog.Dragging()) << "the release ends the drag";
}

TEST_F(PositionWindowTest, MovingWithoutAPressDoesNotMoveTheSample) {
    indicator.offsets = {-100, -100};
    ASSERT_TRUE(dialog.Load());
    PostMessageW(Sample(), WM_MOUSEMOVE, 0, PointParam(30, 40));
    Pump();
    EXPECT_EQ(SampleCorner().x, 90);
    EXPECT_EQ(SampleCorner().y, 50);
}

TEST_F(PositionWindowTest, TheSampleIsDraggedAroundTheShieldAndKeptInThePreview) {
    indicator.offsets = {-100, -100};
    ASSERT_TRUE(dialog.Load());
    Drag(190 - 90, 150 - 50);  // the corner onto the hot spot
    EXPECT_EQ(SampleCorner().x, 199) << "right of the shield";
    EXPECT_EQ(SampleCorner().y, 159) << "below the shield";
    Drag(1000, -1000);
    EXPECT_EQ(SampleCorner().x, 408 - SampleSize().cx) << "at the inner area's right edge";
    EXPECT_EQ(SampleCorner().y, 0);
}

TEST_F(PositionWindowTest, OkHandsTheDraggedOffsetToTheIndicatorThenReturns) {
    indicator.offsets = {-100, -100};
    ASSERT_TRUE(dialog.Load());
    Drag(170 - 90, 120 - 50);
    Press(InBar(position_control::kOk));
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(indicator.offsets, (PositionOffsets{-20, -30}));
    EXPECT_EQ(indicator.returns, 1);
    EXPECT_EQ(indicator.offsetsReturned, (PositionOffsets{-20, -30})) << "written before zPosition_Return";
}

TEST_F(PositionWindowTest, DefaultThenOkStoresAutomaticForASmallSample) {
    indicator.offsets = {50, 60};
    ASSERT_TRUE(dialog.Load());
    Press(InBar(position_control::kDefault));
    EXPECT_TRUE(dialog.IsLoaded()) << "Default only moves the sample";
    EXPECT_EQ(indicator.returns, 0);
    EXPECT_EQ(SampleCorner().x + SampleSize().cx, 190 + 32);
    Press(InBar(position_control::kOk));
    EXPECT_EQ(indicator.offsets, (PositionOffsets{0, 0}));
    EXPECT_EQ(indicator.returns, 1);
}

TEST_F(PositionWindowTest, CancelHandsBackTheOldOffsetsUntouched) {
    indicator.offsets = {-100, -100};
    ASSERT_TRUE(dialog.Load());
    Drag(40, 40);
    Press(InBar(position_control::kCancel));
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(indicator.offsetWrites, 0);
    EXPECT_EQ(indicator.returns, 1);
    EXPECT_EQ(indicator.offsetsReturned, (PositionOffsets{-100, -100}));
}

TEST_F(PositionWindowTest, TheCloseBoxReturnsOnceWithoutAnOffset) {
    ASSERT_TRUE(dialog.Load());
    PostMessageW(dialog.hWnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
    Pump();
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(indicator.offsetWrites, 0);
    EXPECT_EQ(indicator.returns, 1);
}

TEST_F(PositionWindowTest, EscapeInTheMiddleOfADragCancelsAndTheNextOpeningStartsIdle) {
    indicator.offsets = {-100, -100};
    ASSERT_TRUE(dialog.Load());
    PostMessageW(Sample(), WM_LBUTTONDOWN, 0, PointParam(1, 1));
    PostMessageW(InBar(position_control::kCancel), WM_KEYDOWN, VK_ESCAPE, 0);
    Pump();
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(indicator.offsetWrites, 0);
    EXPECT_EQ(indicator.returns, 1);

    ASSERT_TRUE(dialog.Load());
    EXPECT_FALSE(dialog.Dragging());
    PostMessageW(Sample(), WM_MOUSEMOVE, 0, PointParam(30, 40));
    Pump();
    EXPECT_EQ(SampleCorner().x, 90) << "no drag carried over from the last opening";
}

TEST_F(PositionWindowTest, EnterPressesTheFocusedButtonOrElseOk) {
    indicator.offsets = {-20, -30};
    ASSERT_TRUE(dialog.Show());
    PostMessageW(InBar(position_control::kCancel), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_EQ(indicator.offsetWrites, 0) << "Enter on the focused Cancel";
    EXPECT_EQ(indicator.returns, 1);

    ASSERT_TRUE(dialog.Show());
    SetFocus(dialog.hWnd());
    PostMessageW(dialog.hWnd(), WM_KEYDOWN, VK_RETURN, 0);
    Pump();
    EXPECT_FALSE(dialog.IsLoaded());
    EXPECT_EQ(indicator.offsetWrites, 1) << "Enter away from the buttons is OK";
    EXPECT_EQ(indicator.returns, 2);
}

} // namespace
} // namespace morvane::win32
