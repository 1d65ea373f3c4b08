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

double TwipsPerPixelX() {
    return TwipsPerPixel(LOGPIXELSX);
}

double TwipsPerPixelY() {
    return TwipsPerPixel(LOGPIXELSY);
}

double ScreenWidth() {
    return TwipsFromPixels(GetSystemMetrics(SM_CXSCREEN), TwipsPerPixelX());
}

double ScreenHeight() {
    return TwipsFromPixels(GetSystemMetrics(SM_CYSCREEN), TwipsPerPixelY());
}

} // namespace morvane::win32
