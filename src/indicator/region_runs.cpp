#include "indicator/region_runs.h"

namespace morvane {

namespace {
constexpr Colour kColourBits = 0x00FFFFFFu;
} // namespace

std::vector<PixelRect> OpaqueRuns(std::span<const Colour> pixels, int width, int height, Colour transparent) {
    std::vector<PixelRect> runs;
    if (width <= 0 || height <= 0) return runs;
    const std::size_t rowLength = static_cast<std::size_t>(width);
    if (pixels.size() < rowLength * static_cast<std::size_t>(height)) return runs;

    const Colour clear = transparent & kColourBits;
    for (int y = 0; y < height; ++y) {
        const auto row = pixels.subspan(static_cast<std::size_t>(y) * rowLength, rowLength);
        int x = 0;
        while (x < width) {
            while (x < width && (row[static_cast<std::size_t>(x)] & kColourBits) == clear) ++x;
            if (x == width) break;
            const int first = x;
            while (x < width && (row[static_cast<std::size_t>(x)] & kColourBits) != clear) ++x;
            runs.push_back({first, y, x, y + 1});
        }
    }
    return runs;
}

Colour TransparentColourFor(std::optional<Colour> given, Colour topLeftPixel) {
    if (!given || (*given & kSystemColourFlag) != 0) return topLeftPixel;
    return *given;
}

} // namespace morvane
