#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/drawing_surface.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture_box.h"
#include "win/support/paint_fixtures.h"

namespace morvane::win32 {
namespace {

using test_support::DefaultIndicatorFont;
using test_support::PopupWindow;

constexpr TwipsPerPixel kTwips{15, 15};
constexpr Colour kWhite = 0x00FFFFFF;
constexpr Colour kRed = 0x000000FF;

TEST(DrawingSurface, TextMeasuresTheWidestLineAndAllLines) {
    DrawingSurface surface(kTwips);
    surface.SetFont(DefaultIndicatorFont());
    const double oneLine = surface.TextHeight(L"EN");
    EXPECT_GT(oneLine, 0);
    EXPECT_EQ(surface.TextHeight(L""), oneLine) << "an empty text is one line high";
    EXPECT_EQ(surface.TextHeight(L"EN\r\nDE"), 2 * oneLine);
    EXPECT_EQ(surface.TextHeight(L"EN\r\n"), 2 * oneLine) << "a final line break adds a line";
    EXPECT_EQ(surface.TextWidth(L"I\r\nWWW"), surface.TextWidth(L"WWW"));
    EXPECT_EQ(static_cast<long>(surface.TextWidth(L"WWW")) % 15, 0) << "whole pixels in twips";
}

TEST(DrawingSurface, ABiggerFontMeasuresBigger) {
    DrawingSurface surface(kTwips);
    StdFont font = DefaultIndicatorFont();
    surface.SetFont(font);
    const double small = surface.TextWidth(L"EN");
    font.Size = SettingsNumber(72);
    surface.SetFont(font);
    EXPECT_GT(surface.TextWidth(L"EN"), 5 * small);
    EXPECT_EQ(surface.Font().Size, SettingsNumber(72));
}

TEST(DrawingSurface, PrintLeavesTheBackgroundBetweenStrokes) {
    DrawingSurface surface(kTwips);
    surface.SetFont(DefaultIndicatorFont());
    surface.Resize(40, 20);
    surface.SetBackColor(0x00123456);
    surface.Clear();
    surface.SetBackColor(kWhite);  // printing must not paint this colour anywhere
    surface.SetForeColor(kRed);
    surface.CurrentX = 30;
    surface.CurrentY = 15;
    surface.Print(L"EN");
    EXPECT_EQ(GetPixel(surface.hDC(), 0, 0), COLORREF{0x00123456}) << "outside the text";
    bool anyRed = false;
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 40; ++x) {
            const COLORREF pixel = GetPixel(surface.hDC(), x, y);
            EXPECT_NE(pixel, COLORREF{kWhite}) << "the background mode must be transparent";
            anyRed = anyRed || pixel == kRed;
        }
    EXPECT_TRUE(anyRed);
}

TEST(DrawingSurface, ThePictureIsACopyThatLaterDrawingLeavesAlone) {
    DrawingSurface surface(kTwips);
    surface.Resize(2, 2);
    surface.SetBackColor(kWhite);
    surface.Clear();
    surface.SetPictureFromImage();
    ASSERT_NE(surface.Picture(), surface.Image());
    SetPixel(surface.hDC(), 0, 0, kRed);

    const UniqueMemoryDc dc(CreateCompatibleDC(nullptr));
    const ScopedSelect select(dc.get(), surface.Picture());
    EXPECT_EQ(GetPixel(dc.get(), 0, 0), COLORREF{kWhite});
}

TEST(DrawingSurface, SystemColoursAreLookedUp) {
    EXPECT_EQ(ResolveColour(0x80000005), GetSysColor(COLOR_WINDOW));
    EXPECT_EQ(ResolveColour(0x00123456), COLORREF{0x00123456});
}

TEST(PictureBox, TheSurfaceFollowsTheClientArea) {
    PopupWindow parent;
    PictureBox plain;
    ASSERT_TRUE(plain.Load(parent.get(), 1));
    SetWindowPos(plain.hWnd(), nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(plain.Surface().WidthPixels(), 30);
    EXPECT_EQ(plain.Surface().HeightPixels(), 20);

    PictureBox sunken;
    ASSERT_TRUE(sunken.Load(parent.get(), 2, true));
    SetWindowPos(sunken.hWnd(), nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(sunken.Surface().WidthPixels(), 26) << "the sunken border takes two pixels on each side";
    EXPECT_EQ(sunken.Surface().HeightPixels(), 16);
}

TEST(PictureBox, AResizedBoxStartsInItsBackgroundColour) {
    PopupWindow parent;
    PictureBox box;
    ASSERT_TRUE(box.Load(parent.get(), 1));
    box.Surface().SetBackColor(0x00123456);
    SetWindowPos(box.hWnd(), nullptr, 0, 0, 10, 10, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(GetPixel(box.Surface().hDC(), 9, 9), COLORREF{0x00123456});
}

TEST(PictureBox, PaintsItsSurfaceOntoTheScreen) {
    PopupWindow parent;
    SetWindowPos(parent.get(), HWND_TOPMOST, 100, 100, 50, 50, SWP_SHOWWINDOW | SWP_NOACTIVATE);
    PictureBox box;
    ASSERT_TRUE(box.Load(parent.get(), 1));
    SetWindowPos(box.hWnd(), nullptr, 0, 0, 20, 20, SWP_NOZORDER);
    box.Surface().SetBackColor(kRed);
    box.Surface().Clear();
    RedrawWindow(box.hWnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);

    const WindowDc shown = WindowDc::Client(box.hWnd());
    EXPECT_EQ(GetPixel(shown.get(), 5, 5), COLORREF{kRed});
}

} // namespace
} // namespace morvane::win32
