#include "platform/win32/screen_metrics.h"

#include <windows.h>

#include "platform/twips.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {

namespace {

int DotsPerInch(int capability) {
    const WindowDc screen = WindowDc::Client(nullptr);
    return GetDeviceCaps(screen.get(), capability);
}

} // namespace

// The system's DPI is fixed for the life of the process (each monitor's own
// scale comes from the monitors), so it is read once rather than on every
// tick that places the indicator.
int ScreenDpi() {
    static const int dpi = DotsPerInch(LOGPIXELSX);
    return dpi;
}

double TwipsPerPixelX() {
    static const double twips = TwipsPerPixelFromDpi(ScreenDpi());
    return twips;
}

double TwipsPerPixelY() {
    static const double twips = TwipsPerPixelFromDpi(DotsPerInch(LOGPIXELSY));
    return twips;
}

} // namespace morvane::win32
