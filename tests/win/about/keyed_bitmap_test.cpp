#include "about/win32/keyed_bitmap.h"

#include <windows.h>

#include <gtest/gtest.h>

#include "platform/win32/handles.h"

namespace morvane::win32 {
namespace {

// A screen-like bitmap filled with one colour, with one pixel of another.
UniqueBitmap FilledBitmap(int width, int height, COLORREF fill, POINT dot, COLORREF dotColour) {
    const WindowDc screen = WindowDc::Client(nullptr);
    UniqueBitmap bitmap(CreateCompatibleBitmap(screen.get(), width, height));
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    const ScopedSelect select(dc.get(), bitmap.get());
    const UniqueBrush brush(CreateSolidBrush(fill));
    const RECT all{0, 0, width, height};
    FillRect(dc.get(), &all, brush.get());
    SetPixel(dc.get(), dot.x, dot.y, dotColour);
    return bitmap;
}

TEST(DrawKeyedBitmap, KeyColouredPixelsLeaveTheTargetAsItWas) {
    const COLORREF green = RGB(0, 0x80, 0);
    const COLORREF red = RGB(0xFF, 0, 0);
    const UniqueBitmap target = FilledBitmap(8, 8, green, {0, 0}, green);
    const UniqueBitmap picture = FilledBitmap(4, 4, kTransparentKey, {1, 2}, red);

    const WindowDc screen = WindowDc::Client(nullptr);
    const UniqueMemoryDc dc(CreateCompatibleDC(screen.get()));
    const ScopedSelect select(dc.get(), target.get());
    DrawKeyedBitmap(dc.get(), 2, 3, picture.get());

    EXPECT_EQ(GetPixel(dc.get(), 3, 5), red) << "an opaque pixel of the picture";
    EXPECT_EQ(GetPixel(dc.get(), 2, 3), green) << "a key-coloured pixel";
    EXPECT_EQ(GetPixel(dc.get(), 5, 6), green) << "the picture's last pixel is keyed too";
    EXPECT_EQ(GetPixel(dc.get(), 7, 7), green) << "outside the picture";
}

} // namespace
} // namespace morvane::win32
