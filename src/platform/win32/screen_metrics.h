#pragma once
// The screen as window geometry sees it: twips per pixel from the screen's
// real resolution (the program is DPI aware), and the primary screen's size.
namespace morvane::win32 {

// 15 at 96 dots per inch.
double TwipsPerPixelX();
double TwipsPerPixelY();
// The primary screen's size in twips.
double ScreenWidth();
double ScreenHeight();

} // namespace morvane::win32
