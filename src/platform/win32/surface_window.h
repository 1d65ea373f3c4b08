#pragma once
// A window that shows a persistent drawing surface: the surface covers the
// whole client area, so the background is never erased, and each WM_PAINT
// copies the part to be painted back from it.
#include <windows.h>

#include "platform/win32/drawing_surface.h"
#include "platform/win32/window.h"

namespace morvane::win32 {

class SurfaceWindow : public Window {
protected:
    SurfaceWindow() = default;

    DrawingSurface& Surface() { return surface_; }
    const DrawingSurface& Surface() const { return surface_; }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    DrawingSurface surface_;
};

} // namespace morvane::win32
