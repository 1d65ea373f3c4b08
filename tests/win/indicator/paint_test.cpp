#include <windows.h>

#include <gtest/gtest.h>

#include <optional>

#include "indicator/win32/paint_cursor.h"
#include "indicator/win32/region_from_picture.h"
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

// The window's shape as a region of its own, or nullptr when it has none.
UniqueRegion ShapeOf(HWND window) {
    UniqueRegion shape(CreateRectRgn(0, 0, 0, 0));
    if (GetWindowRgn(window, shape.get()) == ERROR) return {};
    return shape;
}

SIZE WindowSize(HWND window) {
    RECT rect{};
    GetWindowRect(window, &rect);
    return {rect.right - rect.left, rect.bottom - rect.top};
}

// The first pixel of the surface's image that differs from its background.
std::optional<POINT> FirstOpaquePixel(const DrawingSurface& surface) {
    for (int y = 0; y < surface.HeightPixels(); ++y)
        for (int x = 0; x < surface.WidthPixels(); ++x)
            if (GetPixel(surface.hDC(), x, y) != ResolveColour(surface.BackColor())) return POINT{x, y};
    return std::nullopt;
}

class PaintIndicatorTest : public ::testing::Test {
protected:
    PaintIndicatorTest() {
        surface.SetFont(DefaultIndicatorFont());
        surface.SetBackColor(kWhite);
        surface.SetForeColor(kRed);
    }
    void Paint(int margin, bool transparent) {
        PaintIndicator(surface, window.get(), {L"EN", margin, transparent, kTwips});
    }

    PopupWindow window;
    DrawingSurface surface{kTwips};
};

TEST_F(PaintIndicatorTest, SizeIsTheTextPlusTheMarginInWholePixels) {
    for (const int margin : {0, 1, 9}) {
        Paint(margin, false);
        const auto textWidth = static_cast<int>(surface.TextWidth(L"EN")) / 15;
        const auto textHeight = static_cast<int>(surface.TextHeight(L"EN")) / 15;
        EXPECT_EQ(surface.WidthPixels(), textWidth + 2 * margin) << "margin " << margin;
        EXPECT_EQ(surface.HeightPixels(), textHeight + 2 * (margin - 2)) << "margin " << margin;
        const SIZE size = WindowSize(window.get());
        EXPECT_EQ(size.cx, surface.WidthPixels()) << "the window follows the surface, margin " << margin;
        EXPECT_EQ(size.cy, surface.HeightPixels()) << "the window follows the surface, margin " << margin;
    }
}

TEST_F(PaintIndicatorTest, MarginNineIsNinePixelsAcrossAndSevenDownAroundTheText) {
    Paint(0, false);
    const SIZE bare{surface.WidthPixels(), surface.HeightPixels()};
    const SIZE text{static_cast<int>(surface.TextWidth(L"EN")) / 15, static_cast<int>(surface.TextHeight(L"EN")) / 15};
    EXPECT_EQ(bare.cx, text.cx) << "margin 0 is exactly as wide as the text";
    EXPECT_EQ(bare.cy, text.cy - 4) << "margin 0 is four pixels lower than the text cell";
    Paint(9, false);
    EXPECT_EQ(surface.WidthPixels(), text.cx + 18);
    EXPECT_EQ(surface.HeightPixels(), text.cy + 14);
    EXPECT_EQ(surface.HeightPixels() - bare.cy, 18) << "from 2 rows cut off to 7 added, on each side";
}

TEST_F(PaintIndicatorTest, TheDrawingBecomesThePicture) {
    Paint(1, false);
    ASSERT_NE(surface.Picture(), nullptr);
    BITMAP picture{};
    ASSERT_EQ(GetObjectW(surface.Picture(), sizeof picture, &picture), static_cast<int>(sizeof picture));
    EXPECT_EQ(picture.bmWidth, surface.WidthPixels());
    EXPECT_EQ(picture.bmHeight, surface.HeightPixels());
    EXPECT_TRUE(FirstOpaquePixel(surface).has_value()) << "the code must have been printed";
}

TEST_F(PaintIndicatorTest, TransparencyCutsTheWindowToTheLetters) {
    Paint(1, true);
    const UniqueRegion shape = ShapeOf(window.get());
    ASSERT_TRUE(shape) << "the window must have been given a shape";
    RECT box{};
    EXPECT_EQ(GetRgnBox(shape.get(), &box), COMPLEXREGION);
    const SIZE windowSize = WindowSize(window.get());
    EXPECT_GE(box.left, 0);
    EXPECT_GE(box.top, 0);
    EXPECT_LE(box.right, windowSize.cx);
    EXPECT_LE(box.bottom, windowSize.cy);

    EXPECT_FALSE(PtInRegion(shape.get(), 0, 0)) << "a background corner is cut away";
    const auto stroke = FirstOpaquePixel(surface);
    ASSERT_TRUE(stroke.has_value());
    EXPECT_TRUE(PtInRegion(shape.get(), stroke->x, stroke->y)) << "a letter stroke stays";
}

TEST_F(PaintIndicatorTest, WithoutTransparencyTheShapeIsLeftAlone) {
    Paint(1, false);
    EXPECT_FALSE(ShapeOf(window.get())) << "no shape was given";
    Paint(1, true);
    Paint(1, false);
    EXPECT_TRUE(ShapeOf(window.get())) << "a repaint without transparency keeps the last shape";
}

TEST_F(PaintIndicatorTest, TextInTheBackgroundColourLeavesAnEmptyShape) {
    surface.SetForeColor(kWhite);
    Paint(1, true);
    const UniqueRegion shape = ShapeOf(window.get());
    ASSERT_TRUE(shape);
    RECT box{};
    EXPECT_EQ(GetRgnBox(shape.get(), &box), NULLREGION);
}

TEST_F(PaintIndicatorTest, APictureBoxGetsTheSameSizeAndShape) {
    Paint(1, true);
    PictureBox sample;
    ASSERT_TRUE(sample.Load(window.get(), 1));
    sample.Surface().SetFont(DefaultIndicatorFont());
    sample.Surface().SetBackColor(kWhite);
    sample.Surface().SetForeColor(kRed);
    PaintIndicator(sample.Surface(), sample.hWnd(), {L"EN", 1, true, kTwips});

    const SIZE indicator = WindowSize(window.get());
    const SIZE copy = WindowSize(sample.hWnd());
    EXPECT_EQ(copy.cx, indicator.cx);
    EXPECT_EQ(copy.cy, indicator.cy);
    const UniqueRegion indicatorShape = ShapeOf(window.get());
    const UniqueRegion sampleShape = ShapeOf(sample.hWnd());
    ASSERT_TRUE(indicatorShape && sampleShape);
    EXPECT_TRUE(EqualRgn(indicatorShape.get(), sampleShape.get()));
}

TEST_F(PaintIndicatorTest, AFontLowerThanTheCutOffRowsLeavesAnEmptyIndicator) {
    StdFont tiny = DefaultIndicatorFont();
    tiny.Size = SettingsNumber(1);
    surface.SetFont(tiny);
    ASSERT_LT(surface.TextHeight(L"EN") / 15, 4) << "the text cell must be lower than the four rows cut off";
    Paint(0, true);
    EXPECT_EQ(surface.HeightPixels(), 0) << "no negative size";
    EXPECT_EQ(WindowSize(window.get()).cy, 0);
}

TEST(RegionFromPicture, NoPictureGivesNoRegionAndLeavesTheWindowAlone) {
    PopupWindow window;
    EXPECT_EQ(RegionFromPicture(window.get(), nullptr, kWhite), nullptr);
    EXPECT_FALSE(ShapeOf(window.get()));
}

TEST(RegionFromPicture, NoApplyHandsTheRegionToTheCaller) {
    PopupWindow window;
    DrawingSurface surface(kTwips);
    surface.Resize(4, 3);
    surface.SetBackColor(kWhite);
    surface.Clear();
    SetPixel(surface.hDC(), 3, 2, kRed);
    surface.SetPictureFromImage();

    const UniqueRegion region(RegionFromPicture(window.get(), surface.Picture(), kWhite, true));
    ASSERT_TRUE(region);
    EXPECT_FALSE(ShapeOf(window.get())) << "the window keeps its full rectangle";
    const UniqueRegion expected(CreateRectRgn(3, 2, 4, 3));
    EXPECT_TRUE(EqualRgn(region.get(), expected.get())) << "only the pixel in the last column and row";
}

TEST(RegionFromPicture, WithoutAColourTheTopLeftPixelIsTransparent) {
    PopupWindow window;
    DrawingSurface surface(kTwips);
    surface.Resize(3, 1);
    surface.SetBackColor(kRed);
    surface.Clear();
    SetPixel(surface.hDC(), 1, 0, kWhite);
    surface.SetPictureFromImage();

    for (const std::optional<Colour> transparent : {std::optional<Colour>{}, std::optional<Colour>{0x80000005}}) {
        const UniqueRegion region(RegionFromPicture(window.get(), surface.Picture(), transparent, true));
        const UniqueRegion expected(CreateRectRgn(1, 0, 2, 1));
        EXPECT_TRUE(EqualRgn(region.get(), expected.get()));
    }
}

} // namespace
} // namespace morvane::win32
