#pragma once
// The screen as window geometry sees it: twips per pixel from the system's
// scale, the one the process started at.
namespace morvane::win32 {

// The screen's dots per inch across, as the process started: the system's scale.
int ScreenDpi();

// 15 at 96 dots per inch.
double TwipsPerPixelX();
double TwipsPerPixelY();

} // namespace morvane::win32
