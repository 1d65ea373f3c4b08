#include "indicator/win32/region_from_picture.h"

#include <algorithm>
#include <cstddef>
#include <cstring>
#include <vector>

#include "indicator/region_runs.h"
#include "platform/win32/diagnostics.h"

namespace morvane::win32 {

namespace {

struct PixelColours {
    int width = 0;
    int height = 0;
    std::vector<Colour> colours;  // row by row from the top, 0x00BBGGRR
};

// All pixels of the picture in one read.
std::optional<PixelColours> ReadPixels(HWND window, HBITMAP picture) {
    BITMAP info{};
    if (GetObjectW(picture, sizeof info, &info) != sizeof info || info.bmWidth <= 0 || info.bmHeight <= 0)
        return std::nullopt;

    PixelColours pixels{info.bmWidth, info.bmHeight, {}};
    pixels.colours.resize(static_cast<std::size_t>(pixels.width) * static_cast<std::size_t>(pixels.height));
    BITMAPINFO layout{};
    layout.bmiHeader.biSize = sizeof layout.bmiHeader;
    layout.bmiHeader.biWidth = pixels.width;
    layout.bmiHeader.biHeight = -pixels.height;  // top row first
    layout.bmiHeader.biPlanes = 1;
    layout.bmiHeader.biBitCount = 32;
    layout.bmiHeader.biCompression = BI_RGB;
    const WindowDc dc = WindowDc::Whole(window);
    if (GetDIBits(dc.get(), picture, 0, static_cast<UINT>(pixels.height), pixels.colours.data(), &layout,
                  DIB_RGB_COLORS) != pixels.height)
        return std::nullopt;
    std::transform(pixels.colours.begin(), pixels.colours.end(), pixels.colours.begin(),
                   [](Colour pixel) { return ColourOfDibPixel(pixel); });
    return pixels;
}

// One region of all rectangles, made in one call.
UniqueRegion RegionOf(const std::vector<PixelRect>& runs) {
    if (runs.empty()) {
        UniqueRegion empty(CreateRectRgn(0, 0, 0, 0));
        if (!empty) MORVANE_TRACE_FAILURE("CreateRectRgn", GetLastError());
        return empty;
    }

    RGNDATAHEADER header{};
    header.dwSize = sizeof header;
    header.iType = RDH_RECTANGLES;
    header.nCount = static_cast<DWORD>(runs.size());
    header.nRgnSize = static_cast<DWORD>(runs.size() * sizeof(RECT));
    header.rcBound = {runs.front().left, runs.front().top, runs.front().right, runs.back().bottom};
    std::vector<RECT> rects;
    rects.reserve(runs.size());
    for (const PixelRect& run : runs) {
        rects.push_back({run.left, run.top, run.right, run.bottom});
        header.rcBound.left = std::min(header.rcBound.left, static_cast<LONG>(run.left));
        header.rcBound.right = std::max(header.rcBound.right, static_cast<LONG>(run.right));
    }

    std::vector<std::byte> data(sizeof header + header.nRgnSize);
    std::memcpy(data.data(), &header, sizeof header);
    std::memcpy(data.data() + sizeof header, rects.data(), header.nRgnSize);
    UniqueRegion region(
        ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), reinterpret_cast<const RGNDATA*>(data.data())));
    if (!region) MORVANE_TRACE_FAILURE("ExtCreateRegion", GetLastError());
    return region;
}

} // namespace

UniqueRegion RegionFromPicture(HWND window, HBITMAP picture, std::optional<Colour> transparent) {
    if (!picture) return {};
    const auto pixels = ReadPixels(window, picture);
    if (!pixels) return {};
    const Colour clear = TransparentColourFor(transparent, pixels->colours.front());
    return RegionOf(OpaqueRuns(pixels->colours, pixels->width, pixels->height, clear));
}

bool ShapeWindow(HWND window, UniqueRegion region) {
    if (!region) return false;
    // Once the window has taken the region the system owns it; a window that
    // refuses it leaves it ours to delete.
    if (SetWindowRgn(window, region.get(), TRUE) == 0) {
        MORVANE_TRACE_FAILURE("SetWindowRgn", GetLastError());
        return false;
    }
    static_cast<void>(region.release());
    return true;
}

} // namespace morvane::win32
