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

// The program's windows all live on one thread, so one scale is in force at a time.
int inForce = 0;

} // namespace

// The system's DPI is fixed for the life of the process (each monitor's own
// scale comes from the monitors), so it is read once rather than on every
// tick that places the indicator.
int ScreenDpi() {
    static const int dpi = DotsPerInch(LOGPIXELSX);
    return dpi;
}

int ScaleInForce() {
    return inForce;
}

double TwipsPerPixelX() {
    static const double twips = TwipsPerPixelFromDpi(ScreenDpi());
    return inForce != 0 ? TwipsPerPixelFromDpi(inForce) : twips;
}

double TwipsPerPixelY() {
    static const double twips = TwipsPerPixelFromDpi(DotsPerInch(LOGPIXELSY));
    return inForce != 0 ? TwipsPerPixelFromDpi(inForce) : twips;
}

ScopedScale::ScopedScale(int dpi) : previous_(inForce) {
    inForce = dpi == ScreenDpi() ? 0 : dpi;
}

ScopedScale::~ScopedScale() {
    inForce = previous_;
}

} // namespace morvane::win32
