#pragma once
// Painting the language code: the surface is sized to the code plus the
// margin, cleared, the code printed, the drawing kept as the surface's
// picture and, with the transparent background on, the window cut down to
// the pixels that differ from the background colour.
#include <windows.h>

#include <cstdint>
#include <string_view>

#include "indicator/paint_layout.h"
#include "platform/win32/drawing_surface.h"

namespace morvane::win32 {

struct IndicatorPaint {
    std::wstring_view code;       // the indicator window's sLangCode
    std::int32_t margin = 1;      // MARGIN_Width, pixels
    bool transparent = false;     // "&Transparent Background" is checked
    TwipsPerPixel twips;          // of the screen
    bool capsRoom = false;        // room above the letters for the Caps Lock mark
    bool capsBar = false;         // the mark drawn in that room
};

// window shows the surface (the indicator window itself, or a picture box):
// it is resized to the surface and repainted. Without transparency the
// window's shape is left as it was.
void PaintIndicator(DrawingSurface& surface, HWND window, const IndicatorPaint& paint);

} // namespace morvane::win32
