// Times the window shape of the indicator made two ways: one platform call per
// pixel and one region call per run (the straightforward method), against one
// read of all pixels and one region call for all runs (RegionFromPicture).
// Checks that both give the same region and prints the median times.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <optional>
#include <vector>

#include "indicator/win32/paint_cursor.h"
#include "indicator/win32/region_from_picture.h"
#include "platform/win32/drawing_surface.h"
#include "platform/win32/handles.h"

namespace morvane::win32 {
namespace {

// The region built pixel by pixel with GetPixel, uniting one rectangle per run.
HRGN PerPixelRegion(HWND window, HBITMAP picture, std::optional<Colour> transparent) {
    if (!picture) return nullptr;
    UniqueMemoryDc memory;
    {
        const WindowDc windowDc = WindowDc::Whole(window);
        memory.reset(CreateCompatibleDC(windowDc.get()));
    }
    const ScopedSelect select(memory.get(), picture);
    const COLORREF clear = (!transparent || (*transparent & 0x80000000u) != 0) ? GetPixel(memory.get(), 0, 0)
                                                                               : COLORREF{*transparent};
    BITMAP info{};
    GetObjectA(picture, sizeof info, &info);

    const HRGN region = CreateRectRgn(0, 0, 0, 0);
    const auto unite = [&](int left, int y, int right) {
        const UniqueRegion run(CreateRectRgn(left, y, right, y + 1));
        CombineRgn(region, region, run.get(), RGN_OR);
    };
    for (int y = 0; y < info.bmHeight; ++y) {
        int first = -1;
        for (int x = 0; x < info.bmWidth; ++x) {
            const bool opaque = GetPixel(memory.get(), x, y) != clear;
            if (opaque && first < 0) first = x;
            if (!opaque && first >= 0) {
                unite(first, y, x);
                first = -1;
            }
        }
        if (first >= 0) unite(first, y, info.bmWidth);
    }
    return region;
}

double MedianMicroseconds(int runs, const std::function<void()>& work) {
    std::vector<double> times;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        const auto end = std::chrono::steady_clock::now();
        times.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

struct Shape {
    const char* name;
    int points;
    int runs;
};

bool Measure(HWND window, const Shape& shape) {
    DrawingSurface surface;
    StdFont font;
    font.Name = L"Tahoma";
    font.Size = SettingsNumber(shape.points);
    font.SetBold(true);
    surface.SetFont(font);
    surface.SetBackColor(0x00FFFFFF);
    surface.SetForeColor(0x000000FF);
    PaintIndicator(surface, window, {L"EN", 1, false, ScreenTwipsPerPixel()});
    const HBITMAP picture = surface.Picture();
    const Colour transparent = surface.BackColor();

    const UniqueRegion perPixel(PerPixelRegion(window, picture, transparent));
    const UniqueRegion oneRead(RegionFromPicture(window, picture, transparent));
    const bool equal = EqualRgn(perPixel.get(), oneRead.get()) != FALSE;
    const std::size_t rectangles = (GetRegionData(oneRead.get(), 0, nullptr) - sizeof(RGNDATAHEADER)) / sizeof(RECT);

    const double slow =
        MedianMicroseconds(shape.runs, [&] { const UniqueRegion r(PerPixelRegion(window, picture, transparent)); });
    const double fast = MedianMicroseconds(
        shape.runs, [&] { const UniqueRegion r(RegionFromPicture(window, picture, transparent)); });

    std::printf("%-22s %4d x %-4d px  %5lu rectangles  regions equal: %s\n", shape.name, surface.WidthPixels(),
                surface.HeightPixels(), static_cast<unsigned long>(rectangles), equal ? "yes" : "NO");
    std::printf("  per pixel (GetPixel + CombineRgn): %10.1f us (median of %d)\n", slow, shape.runs);
    std::printf("  one read (GetDIBits + ExtCreateRegion): %5.1f us (median of %d)\n", fast, shape.runs);
    std::printf("  ratio: %.1f times faster\n", slow / fast);
    return equal;
}

} // namespace
} // namespace morvane::win32

int main() {
    using namespace morvane::win32;
    const HWND window = CreateWindowExW(WS_EX_TOOLWINDOW, L"STATIC", L"", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                        GetModuleHandleW(nullptr), nullptr);
    bool equal = true;
    equal = Measure(window, {"Tahoma 8 pt bold EN", 8, 51}) && equal;
    equal = Measure(window, {"Tahoma 72 pt bold EN", 72, 11}) && equal;
    DestroyWindow(window);
    return equal ? 0 : 1;
}
