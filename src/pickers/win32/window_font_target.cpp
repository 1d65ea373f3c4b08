#include "pickers/win32/window_font_target.h"

#include "platform/win32/handles.h"

namespace morvane::win32 {

std::int32_t WindowFontTarget::PixelsPerInchY() const {
    const WindowDc dc = WindowDc::Client(window_);
    return GetDeviceCaps(dc.get(), LOGPIXELSY);
}

} // namespace morvane::win32
