#include "platform/win32/picture_box.h"

namespace morvane::win32 {

bool PictureBox::Load(HWND parent, int childId, bool sunkenBorder) {
    WindowDesign design;
    design.className = kPictureBoxClassName;
    design.style = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS;
    design.exStyle = sunkenBorder ? WS_EX_CLIENTEDGE : 0;
    design.parent = parent;
    design.childId = childId;
    return Create(design);
}

void PictureBox::FitSurface() {
    RECT client{};
    GetClientRect(hWnd(), &client);
    DrawingSurface& surface = Surface();
    if (client.right == surface.WidthPixels() && client.bottom == surface.HeightPixels()) return;
    surface.Resize(client.right, client.bottom);
    surface.Clear();
}

LRESULT PictureBox::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SIZE:
        FitSurface();
        InvalidateRect(hWnd(), nullptr, FALSE);
        return 0;
    default:
        return SurfaceWindow::HandleMessage(message, wParam, lParam);
    }
}

} // namespace morvane::win32
