#pragma once
// The shape of a window cut down to the pixels of a picture that differ from
// a transparent colour.
#include <windows.h>

#include <optional>

#include "platform/win32/handles.h"
#include "services/colour_text.h"

namespace morvane::win32 {

// The region of the picture's opaque pixels, in the picture's pixel
// coordinates; empty when every pixel is transparent, none when there is no
// picture. transparent: see TransparentColourFor (nothing, or a system
// colour, means the colour of the top-left pixel). The picture must not be
// selected into a device context.
UniqueRegion RegionFromPicture(HWND window, HBITMAP picture, std::optional<Colour> transparent = std::nullopt);

// The region becomes the window's shape, redrawn at once, and the window owns
// it. False, and the window untouched, when there is no region or the window
// refuses it.
bool ShapeWindow(HWND window, UniqueRegion region);

} // namespace morvane::win32
