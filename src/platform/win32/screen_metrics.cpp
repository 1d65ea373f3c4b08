#include "platform/win32/screen_metrics.h"

#include <windows.h>

#include "platform/twips.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

namespace {

double TwipsPerPixel(int capability) {
    const WindowDc screen = WindowDc::Client(nullptr);
    return TwipsPerPixelFromDpi(GetDeviceCaps(screen.get(), capability));
}

} // namespace

// The program is system-DPI aware: the screen's DPI is fixed for the life of
// the process, so it is read once rather than on every tick that places the
// indicator.
double TwipsPerPixelX() {
    static const double twips = TwipsPerPixel(LOGPIXELSX);
    return twips;
}

double TwipsPerPixelY() {
    static const double twips = TwipsPerPixel(LOGPIXELSY);
    return twips;
}

double ScreenWidth() {
    return TwipsFromPixels(GetSystemMetrics(SM_CXSCREEN), TwipsPerPixelX());
}

double ScreenHeight() {
    return TwipsFromPixels(GetSystemMetrics(SM_CYSCREEN), TwipsPerPixelY());
}

} // namespace morvane::win32
