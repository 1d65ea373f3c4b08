#include "about/win32/site_link.h"

#include <utility>

namespace morvane::win32 {

bool SiteLink::Load(HWND parent, int childId, HCURSOR hand) {
    hand_ = hand;
    pressed_ = false;
    Surface().SetBackColor(kWindowColour);
    Surface().SetForeColor(kLinkColour);
    return PictureBox::Load(parent, childId);
}

void SiteLink::SetText(std::wstring text) {
    text_ = std::move(text);
    Redraw();
}

void SiteLink::SetFont(const StdFont& font) {
    Surface().SetFont(font);
    Redraw();
}

void SiteLink::SetUnderlined(bool underlined) {
    if (Underlined() == underlined) return;
    StdFont font = Surface().Font();
    font.Underline = underlined;
    SetFont(font);
}

void SiteLink::Redraw() {
    DrawingSurface& surface = Surface();
    surface.Clear();
    surface.CurrentX = 0;
    surface.CurrentY = 0;
    surface.Print(text_);
    if (hWnd()) InvalidateRect(hWnd(), nullptr, FALSE);
}

LRESULT SiteLink::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_SETCURSOR:
        if (hand_ && LOWORD(lParam) == HTCLIENT) {
            SetCursor(hand_);
            return TRUE;
        }
        break;
    case WM_MOUSEMOVE:
        if (OnMouseMove) OnMouseMove(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        pressed_ = true;
        return 0;
    case WM_LBUTTONUP:
        if (std::exchange(pressed_, false) && OnClick) OnClick();
        return 0;
    case WM_SIZE: {
        // The box has made its surface new and blank.
        const LRESULT result = PictureBox::HandleMessage(message, wParam, lParam);
        Redraw();
        return result;
    }
    default:
        break;
    }
    return PictureBox::HandleMessage(message, wParam, lParam);
}

} // namespace morvane::win32
