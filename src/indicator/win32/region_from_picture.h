#pragma once
// The shape of a window cut down to the pixels of a picture that differ from
// a transparent colour.
#include <windows.h>

#include <optional>

#include "platform/win32/handles.h"
#include "services/colour_text.h"

namespace morvane::win32 {

// The region of the picture's opaque pixels, in the picture's pixel
// coordinates; empty when every pixel is transparent, nullptr when there is
// no picture. transparent: see TransparentColourFor (nothing, or a system
// colour, means the colour of the top-left pixel). The picture must not be
// selected into a device context.
UniqueRegion PictureRegion(HWND window, HBITMAP picture, std::optional<Colour> transparent);

// As PictureRegion, and unless noApply the region becomes the window's shape
// (redrawn at once): the window then owns it, and the handle returned is the
// window's, good until its next shape. With noApply the caller owns it.
// nullptr, and the window untouched, when there is no picture; nullptr too
// when the window refuses the region.
HRGN RegionFromPicture(HWND window, HBITMAP picture, std::optional<Colour> transparent = std::nullopt,
                       bool noApply = false);

} // namespace morvane::win32
