#pragma once
// Drawing a picture whose pixels of one colour are transparent.
#include <windows.h>

namespace morvane::win32 {

// The pictures' transparent colour: magenta.
inline constexpr COLORREF kTransparentKey = RGB(0xFF, 0x00, 0xFF);

// Draws the bitmap at (x, y) of the target; its pixels of the key colour
// leave the target as it was.
void DrawKeyedBitmap(HDC target, int x, int y, HBITMAP bitmap, COLORREF key = kTransparentKey);

} // namespace morvane::win32
