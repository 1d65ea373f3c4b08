#include "indicator/win32/paint_cursor.h"

#include <algorithm>

#include "indicator/display_rules.h"
#include "indicator/win32/region_from_picture.h"

namespace morvane::win32 {

namespace {

// Over the letters, in their colour.
void DrawCapsBar(DrawingSurface& surface, std::int32_t margin) {
    const RECT bar{margin, 0, surface.WidthPixels() - margin, static_cast<LONG>(kCapsBarRows)};
    SetDCBrushColor(surface.hDC(), ResolveColour(surface.ForeColor()));
    FillRect(surface.hDC(), &bar, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

} // namespace

void PaintIndicator(DrawingSurface& surface, HWND window, const IndicatorPaint& paint) {
    PaintLayout layout = LayoutPaint(surface.TextWidthPixels(paint.code), surface.TextHeightPixels(paint.code),
                                     paint.twips, paint.margin);
    if (paint.capsRoom) layout = WithCapsBarRoom(layout, paint.twips);
    // A font smaller than the cut-off rows leaves nothing to show, not a negative size.
    const int width = static_cast<int>(std::max<std::int64_t>(layout.widthPixels, 0));
    const int height = static_cast<int>(std::max<std::int64_t>(layout.heightPixels, 0));

    // The window first: whatever it does on being resized, the drawing below comes after.
    SetWindowPos(window, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
    surface.Resize(width, height);
    surface.Clear();
    surface.CurrentX = layout.currentX;
    surface.CurrentY = layout.currentY;
    surface.Print(paint.code);
    if (paint.capsBar) DrawCapsBar(surface, paint.margin);
    surface.SetPictureFromImage();

    if (paint.transparent) ShapeWindow(window, RegionFromPicture(window, surface.Picture(), surface.BackColor()));
    InvalidateRect(window, nullptr, FALSE);
}

} // namespace morvane::win32
