#pragma once
// The shape of a picture as rectangles: one per maximal run of opaque pixels
// in each row. A pixel is transparent only when its colour equals the
// transparent colour in all 24 bits; any other colour, including the blended
// edge colours of smoothed text, is opaque.
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "services/colour_text.h"

namespace morvane {

// A rectangle of pixels, right and bottom excluded.
struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    friend bool operator==(const PixelRect&, const PixelRect&) = default;
};

// pixels: width x height colours 0x00BBGGRR, row by row from the top; the top
// byte of every colour is ignored. Rows are never merged, so each rectangle
// is one pixel high, and they come row by row, left to right. A buffer
// shorter than width x height gives no rectangles.
std::vector<PixelRect> OpaqueRuns(std::span<const Colour> pixels, int width, int height, Colour transparent);

// The colour that counts as transparent: the given one, or the picture's
// top-left pixel when none is given or the given one names a system colour
// (top bit set) rather than a colour of its own.
Colour TransparentColourFor(std::optional<Colour> given, Colour topLeftPixel);

// A pixel of a 32-bit device-independent bitmap (blue in the lowest byte) as
// a colour 0x00BBGGRR.
constexpr Colour ColourOfDibPixel(std::uint32_t pixel) {
    return ((pixel & 0xFFu) << 16) | (pixel & 0xFF00u) | ((pixel >> 16) & 0xFFu);
}

} // namespace morvane
