#include "menu/win32/menu_window.h"

#include <utility>

#include "menu/control_menu_items.h"
#include "menu/control_menu_opening.h"
#include "menu/win32/control_menu_native.h"
#include "menu/win32/menu_caption.h"
#include "platform/win32/diagnostics.h"

namespace morvane::win32 {

namespace {

// The caption of the first item goes to the system unchanged, as wide text.
constexpr int kWideCaption = -1;

// Ends an opening of the menu on every way out of the showing.
class OpeningScope {
public:
    explicit OpeningScope(ControlMenuState& state) : state_(state) {}
    OpeningScope(const OpeningScope&) = delete;
    OpeningScope& operator=(const OpeningScope&) = delete;
    ~OpeningScope() { state_.EndOpening(); }

private:
    ControlMenuState& state_;
};

// The program the user was typing in gets the keyboard back once the menu
// has closed, unless a command left a window of its own in front (a dialog).
void GiveForegroundBack(HWND typingIn, HWND menuWindow) {
    if (!typingIn || typingIn == menuWindow || !IsWindow(typingIn)) return;
    const HWND now = GetForegroundWindow();
    if (now == nullptr || now == menuWindow) SetForegroundWindow(typingIn);
}

} // namespace

MenuWindow::MenuWindow(const RegistryAccess& registry, AutostartEntry autostart)
    : registry_(registry), autostart_(std::move(autostart)) {}

bool MenuWindow::Load() {
    WindowDesign design;
    design.className = kMenuClassName;
    design.style = WS_POPUP;
    design.exStyle = WS_EX_TOOLWINDOW;
    if (!Create(design)) return false;

    // From here the window owns the bar and destroys it with itself.
    UniqueMenu bar = BuildDesignedMenuBar();
    if (!SetMenu(hWnd(), bar.get())) {
        Unload();
        return false;
    }
    static_cast<void>(bar.release());
    HMENU controlMenu = ControlMenu();
    SetMenuCaptionW(kWideCaption, controlMenu, static_cast<UINT>(PositionOf(PopupItem::Close)), kCloseCaption);
    AppendMarginItems(GetSubMenu(controlMenu, PositionOf(PopupItem::SetMargin)));
    SetMenuDefaultItem(controlMenu, static_cast<UINT>(PositionOf(PopupItem::Close)), TRUE);
    Apply(state_.AllMarks());
    ApplyDisplayMarks();
    return true;
}

HMENU MenuWindow::ControlMenu() const {
    return IsLoaded() ? GetSubMenu(GetMenu(hWnd()), 0) : nullptr;
}

void MenuWindow::Apply(const MarkChanges& marks) const {
    if (IsLoaded()) ApplyMarks(ControlMenu(), marks);
}

bool MenuWindow::PopupControlMenu(int marginWidth) {
    if (!IsLoaded()) return false;
    const auto marks = BeginMenuOpening(state_, registry_, autostart_, marginWidth);
    if (!marks) return false;
    const OpeningScope opening(state_);
    Apply(*marks);
    ApplyDisplayMarks();

    POINT mouse{};
    GetCursorPos(&mouse);
    const HWND window = hWnd();
    const HWND typingIn = GetForegroundWindow();
    // A menu whose owner is not the foreground window does not close when
    // the user clicks elsewhere; the harmless message after it keeps the next
    // showing from closing at once.
    SetForegroundWindow(window);
    if (!TrackPopupMenu(ControlMenu(), TPM_LEFTALIGN | TPM_LEFTBUTTON, mouse.x, mouse.y, 0, window, nullptr))
        MORVANE_TRACE_FAILURE("TrackPopupMenu", GetLastError());
    PostMessageW(window, WM_NULL, 0, 0);

    // The menu posts the chosen item's command; it runs now, before returning.
    MSG chosen{};
    if (PeekMessageW(&chosen, window, WM_COMMAND, WM_COMMAND, PM_REMOVE)) DispatchMessageW(&chosen);
    GiveForegroundBack(typingIn, window);
    return true;
}

void MenuWindow::ApplyDisplayMarks() const {
    if (handlers_.display) Apply(handlers_.display->Marks());
}

LRESULT MenuWindow::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    const bool fromMenu = message == WM_COMMAND && HIWORD(wParam) == 0 && lParam == 0;
    if (fromMenu) {
        Apply(RunMenuCommand(LOWORD(wParam), handlers_));
        return 0;
    }
    return Window::HandleMessage(message, wParam, lParam);
}

} // namespace morvane::win32
