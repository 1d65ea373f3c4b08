#include "platform/win32/dialog_window.h"

#include <utility>

#include "platform/win32/dialog_keys.h"
#include "platform/win32/message_loop.h"
#include "platform/win32/monitors_win32.h"

namespace morvane::win32 {

namespace {

struct DisabledWindows {
    HWND dialog;
    std::vector<HWND> windows;
};

// Disables a shown, enabled top-level window of the thread other than the dialog.
BOOL CALLBACK DisableShownWindow(HWND window, LPARAM found) {
    auto& disabled = *reinterpret_cast<DisabledWindows*>(found);
    if (window != disabled.dialog && IsWindowVisible(window) && IsWindowEnabled(window)) {
        EnableWindow(window, FALSE);
        disabled.windows.push_back(window);
    }
    return TRUE;
}

} // namespace

DialogMonitor MonitorUnderCursorNow() {
    const morvane::Monitor monitor = MonitorUnderCursor();
    return {monitor.rect, monitor.dpi};
}

ScopedScale DialogWindow::AtMonitorUnderCursor() {
    monitor_ = MonitorUnderCursorNow();
    return ScopedScale(monitor_.dpi);
}

void DialogWindow::SetDialogButtons(PushButton& defaultButton, PushButton& cancelButton) {
    default_ = &defaultButton;
    cancel_ = &cancelButton;
}

DialogOrigin DialogWindow::CentredOn(SIZE outer, HalfPixel half) const {
    return CentredOrigin(monitor_.area, outer.cx, outer.cy, half);
}

void DialogWindow::Centre(HalfPixel half) {
    RECT outer{};
    GetWindowRect(hWnd(), &outer);
    const DialogOrigin origin = CentredOn({outer.right - outer.left, outer.bottom - outer.top}, half);
    SetWindowPos(hWnd(), nullptr, origin.left, origin.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void DialogWindow::SetTextFont(const StdFont& font) {
    text_.emplace();
    text_->SetFont(font);
}

HFONT DialogWindow::TextFont() const {
    return static_cast<HFONT>(GetCurrentObject(text_->hDC(), OBJ_FONT));
}

void DialogWindow::SetButtonFont(std::initializer_list<PushButton*> buttons) {
    const auto stock = static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
    if (ScaleInForce() != 0 && ScaleInForce() != buttonFontDpi_) {
        LOGFONTW log{};
        GetObjectW(stock, sizeof log, &log);
        log.lfHeight = MulDiv(log.lfHeight, ScaleInForce(), ScreenDpi());
        buttonFontDpi_ = ScaleInForce();
        buttonFont_.reset(CreateFontIndirectW(&log));
    }
    const HFONT font = ScaleInForce() != 0 && buttonFont_ ? buttonFont_.get() : stock;
    for (PushButton* button : buttons) button->SetFont(font);
}

bool DialogWindow::PreTranslateMessage(MSG& message) {
    return IsLoaded() && TranslateDialogKeys(hWnd(), message, [this] { EnterPressed(); }, [this] {
               if (cancel_) cancel_->Click();
           });
}

void DialogWindow::EnterPressed() {
    Control* focused = Control::FromHandle(GetFocus());
    if (focused && focused->Press()) return;
    if (default_ && default_->VisibleFlag()) default_->Click();
}

void DialogWindow::RunModal() {
    DisableOtherWindows();
    ShowDialog();
    RunMessageLoop({this});
    EndDialog();
}

void DialogWindow::EndDialog() {
    RestoreOtherWindows();
    Unload();
}

void DialogWindow::DisableOtherWindows() {
    DisabledWindows disabled{hWnd(), {}};
    EnumThreadWindows(GetCurrentThreadId(), &DisableShownWindow, reinterpret_cast<LPARAM>(&disabled));
    disabledWindows_ = std::move(disabled.windows);
}

void DialogWindow::RestoreOtherWindows() {
    for (const HWND window : disabledWindows_) {
        if (IsWindow(window)) EnableWindow(window, TRUE);
    }
    disabledWindows_.clear();
}

LRESULT DialogWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            const HWND focus = GetFocus();
            if (focus && IsChild(hWnd(), focus)) focus_ = focus;
            Deactivated(reinterpret_cast<HWND>(lParam));
        } else if (HIWORD(wParam) == 0 && !Activated() && focus_ && IsWindow(focus_)) {
            SetFocus(focus_);
        }
        return 0;
    case WM_CLOSE:
        // The close box: the program's windows come back before the dialog
        // goes, so that one of them becomes active again.
        RestoreOtherWindows();
        break;
    case WM_DESTROY:
        RestoreOtherWindows();
        focus_ = nullptr;
        break;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace morvane::win32
