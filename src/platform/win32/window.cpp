#include "platform/win32/window.h"

#include <algorithm>

#include "platform/twips.h"
#include "platform/win32/controls.h"
#include "platform/win32/diagnostics.h"
#include "platform/win32/screen_metrics.h"
#include "platform/win32/timer.h"

namespace morvane::win32 {

namespace {

HINSTANCE ProgramInstance() {
    return GetModuleHandleW(nullptr);
}

// A class is registered once per process; the system remembers it, so the
// check needs no state of ours.
bool EnsureClassRegistered(const WindowDesign& design, WNDPROC procedure) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (GetClassInfoExW(ProgramInstance(), design.className, &existing)) return true;
    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = design.classStyle;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ProgramInstance();
    windowClass.hCursor = design.cursor ? design.cursor : LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = design.background;
    windowClass.lpszClassName = design.className;
    if (RegisterClassExW(&windowClass) != 0) return true;
    MORVANE_TRACE_FAILURE("RegisterClassExW", GetLastError());
    return false;
}

bool IsChild(HWND window) {
    return (GetWindowLongPtrW(window, GWL_STYLE) & WS_CHILD) != 0;
}

// Windows 10 version 1607 and later; before it every monitor has the
// system's scale and no window changes its scale.
using AdjustForDpi = BOOL WINAPI(LPRECT, DWORD, BOOL, DWORD, UINT);
AdjustForDpi* AdjustWindowRectForDpi() {
    static const auto function = reinterpret_cast<AdjustForDpi*>(
        reinterpret_cast<void (*)()>(GetProcAddress(GetModuleHandleW(L"user32.dll"), "AdjustWindowRectExForDpi")));
    return function;
}

// Moved to a monitor of another scale (WM_DPICHANGED): the window goes where
// the system suggests, with its frame at the new scale round the client
// area it has, so nothing inside is cut.
void FollowScale(HWND window, UINT dpi, const RECT& suggested) {
    RECT outer{};
    GetClientRect(window, &outer);
    const auto style = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_STYLE));
    const auto exStyle = static_cast<DWORD>(GetWindowLongPtrW(window, GWL_EXSTYLE));
    if (AdjustForDpi* adjust = AdjustWindowRectForDpi()) {
        adjust(&outer, style, FALSE, exStyle, dpi);
    } else {
        AdjustWindowRectEx(&outer, style, FALSE, exStyle);
    }
    SetWindowPos(window, nullptr, suggested.left, suggested.top, outer.right - outer.left, outer.bottom - outer.top,
                 SWP_NOZORDER | SWP_NOACTIVATE);
}

} // namespace

Window::~Window() {
    // Derived parts are gone by now: the window ends with the base's handling.
    if (hwnd_) DestroyWindow(hwnd_);
}

bool Window::Create(const WindowDesign& design) {
    if (hwnd_ || !EnsureClassRegistered(design, &Window::Procedure)) return false;
    dpi_ = ScaleInForce();
    const auto menuOrId = reinterpret_cast<HMENU>(static_cast<INT_PTR>(design.childId));
    CreateWindowExW(design.exStyle, design.className, design.caption, design.style, design.left, design.top, design.width,
                    design.height, design.parent, (design.style & WS_CHILD) ? menuOrId : nullptr, ProgramInstance(), this);
    if (!hwnd_) {
        MORVANE_TRACE_FAILURE("CreateWindowExW", GetLastError());
        return false;
    }
    for (Timer* timer : timers_) timer->OwnerLoaded();
    return true;
}

void Window::Unload() {
    if (hwnd_) DestroyWindow(hwnd_);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return DefWindowProcW(window, message, wParam, lParam);
    const ScopedScale scale(self->dpi_);
    const LRESULT result = self->HandleMessage(message, wParam, lParam);
    if (message == WM_NCDESTROY) self->Destroyed();
    return result;
}

void Window::Destroyed() {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    hwnd_ = nullptr;
    // The system has removed the window's timers with it.
    for (Timer* timer : timers_) timer->OwnerUnloaded();
}

bool Window::IsProgramWindow(HWND window) {
    return GetClassLongPtrW(window, GCLP_WNDPROC) == reinterpret_cast<ULONG_PTR>(&Window::Procedure);
}

LRESULT Window::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND) {
        if (Control* control = Control::FromHandle(reinterpret_cast<HWND>(lParam))) {
            control->Notified(HIWORD(wParam));
            return 0;
        }
    }
    if (message == WM_TIMER) {
        const auto timer = std::find_if(timers_.begin(), timers_.end(), [&](Timer* t) { return t->Id() == wParam; });
        if (timer != timers_.end()) {
            (*timer)->Tick();
            return 0;
        }
    }
    if (message == WM_DPICHANGED) {
        dpi_ = HIWORD(wParam);
        const ScopedScale scale(dpi_);
        FollowScale(hwnd_, HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        Rescaled();
        return 0;
    }
    return DefWindowProcW(hwnd_, message, wParam, lParam);
}

bool Window::PreTranslateMessage(MSG&) {
    return false;
}

RECT Window::OuterRect() const {
    RECT rect{};
    if (!hwnd_) return rect;
    GetWindowRect(hwnd_, &rect);
    if (IsChild(hwnd_)) MapWindowPoints(nullptr, GetParent(hwnd_), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

SIZE Window::FrameSize() const {
    RECT outer{};
    RECT client{};
    GetWindowRect(hwnd_, &outer);
    GetClientRect(hwnd_, &client);
    return {(outer.right - outer.left) - client.right, (outer.bottom - outer.top) - client.bottom};
}

void Window::SetPixelBounds(int left, int top, int width, int height, UINT flags) {
    if (hwnd_) SetWindowPos(hwnd_, nullptr, left, top, width, height, flags | SWP_NOZORDER | SWP_NOACTIVATE);
}

double Window::Left() const {
    return TwipsFromPixels(OuterRect().left, TwipsPerPixelX());
}

double Window::Top() const {
    return TwipsFromPixels(OuterRect().top, TwipsPerPixelY());
}

double Window::Width() const {
    const RECT rect = OuterRect();
    return TwipsFromPixels(rect.right - rect.left, TwipsPerPixelX());
}

double Window::Height() const {
    const RECT rect = OuterRect();
    return TwipsFromPixels(rect.bottom - rect.top, TwipsPerPixelY());
}

void Window::SetLeft(double twips) {
    SetPixelBounds(PixelsFromTwips(twips, TwipsPerPixelX()), OuterRect().top, 0, 0, SWP_NOSIZE);
}

void Window::SetTop(double twips) {
    SetPixelBounds(OuterRect().left, PixelsFromTwips(twips, TwipsPerPixelY()), 0, 0, SWP_NOSIZE);
}

void Window::SetWidth(double twips) {
    const RECT rect = OuterRect();
    SetPixelBounds(0, 0, PixelsFromTwips(twips, TwipsPerPixelX()), rect.bottom - rect.top, SWP_NOMOVE);
}

void Window::SetHeight(double twips) {
    const RECT rect = OuterRect();
    SetPixelBounds(0, 0, rect.right - rect.left, PixelsFromTwips(twips, TwipsPerPixelY()), SWP_NOMOVE);
}

void Window::Move(double left, double top, double width, double height) {
    const double x = TwipsPerPixelX();
    const double y = TwipsPerPixelY();
    SetPixelBounds(PixelsFromTwips(left, x), PixelsFromTwips(top, y), PixelsFromTwips(width, x),
                   PixelsFromTwips(height, y), 0);
}

double Window::ClientWidth() const {
    RECT client{};
    if (hwnd_) GetClientRect(hwnd_, &client);
    return TwipsFromPixels(client.right, TwipsPerPixelX());
}

double Window::ClientHeight() const {
    RECT client{};
    if (hwnd_) GetClientRect(hwnd_, &client);
    return TwipsFromPixels(client.bottom, TwipsPerPixelY());
}

bool Window::Visible() const {
    return hwnd_ && (GetWindowLongPtrW(hwnd_, GWL_STYLE) & WS_VISIBLE) != 0;
}

void Window::SetVisible(bool visible) {
    if (hwnd_) ShowWindow(hwnd_, visible ? ShowCommand() : SW_HIDE);
}

HICON Window::Icon() const {
    return hwnd_ ? reinterpret_cast<HICON>(SendMessageW(hwnd_, WM_GETICON, ICON_BIG, 0)) : nullptr;
}

void Window::SetIcon(HICON icon) {
    if (!hwnd_) return;
    SendMessageW(hwnd_, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(icon));
    SendMessageW(hwnd_, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(icon));
}

} // namespace morvane::win32
