#include "about/win32/site_link.h"

#include <windowsx.h>

#include <utility>

#include "about/site_hover.h"

namespace morvane::win32 {

namespace {

// Whether a release at lParam (client coordinates) lies on the link.
bool ReleasedOnLink(HWND link, LPARAM lParam) {
    RECT client{};
    GetClientRect(link, &client);
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    return PtInRect(&client, at) != FALSE;
}

} // namespace

SiteLink::SiteLink() {
    toHotTracking.OnTick = [this] { HotTrackingTick(); };
}

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

void SiteLink::MouseMoved(WPARAM keys) {
    const MouseMoveKeys held{
        .anyButton = (keys & (MK_LBUTTON | MK_RBUTTON | MK_MBUTTON | MK_XBUTTON1 | MK_XBUTTON2)) != 0,
        .shift = (keys & MK_SHIFT) != 0,
        .control = (keys & MK_CONTROL) != 0,
        .alt = GetKeyState(VK_MENU) < 0,
    };
    if (!HoverStartsOnMove(held)) return;
    SetUnderlined(true);
    toHotTracking.SetEnabled(true);
}

void SiteLink::HotTrackingTick() {
    RECT link{};
    POINT cursor{};
    GetWindowRect(hWnd(), &link);
    GetCursorPos(&cursor);
    if (CursorOverLink(cursor.x, cursor.y, {link.left, link.top, link.right, link.bottom})) return;
    toHotTracking.SetEnabled(false);
    SetUnderlined(false);
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
        MouseMoved(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        // Held until the release, so that a release elsewhere reaches the
        // link and clears the press.
        pressed_ = true;
        SetCapture(hWnd());
        return 0;
    case WM_LBUTTONUP: {
        const bool clicked = std::exchange(pressed_, false) && ReleasedOnLink(hWnd(), lParam);
        if (GetCapture() == hWnd()) ReleaseCapture();
        if (clicked && OnClick) OnClick();
        return 0;
    }
    case WM_CAPTURECHANGED:
        pressed_ = false;
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
