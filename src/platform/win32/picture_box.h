#pragma once
// A picture box: a child window that shows its drawing surface. What is drawn
// on the surface stays and is painted back whenever the window needs it; the
// surface is made the size of the box's client area whenever that changes,
// and starts blank in its background colour then.
#include <windows.h>

#include "platform/win32/surface_window.h"

namespace morvane::win32 {

inline constexpr wchar_t kPictureBoxClassName[] = L"Morvane3PictureBox";

class PictureBox : public SurfaceWindow {
public:
    PictureBox() = default;

    // Creates the box, visible, with no size yet; sunkenBorder gives the
    // three-dimensional border two pixels wide. False when it exists already
    // or could not be made.
    bool Load(HWND parent, int childId, bool sunkenBorder = false);

    using SurfaceWindow::Surface;

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void FitSurface();
};

} // namespace morvane::win32
