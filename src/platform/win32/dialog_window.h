#pragma once
// The base of the program's dialogs: the keys (Enter to the focused push
// button or else the default one, Escape to the cancel button, Tab, arrows
// and access keys among the controls), the control that had the focus given
// back when the user returns, the place centred on its monitor, the text font
// at the monitor's scale, and the modal run.
#include <windows.h>

#include <initializer_list>
#include <optional>
#include <vector>

#include "platform/dialog_centring.h"
#include "platform/std_font.h"
#include "platform/twips.h"
#include "platform/win32/controls.h"
#include "platform/win32/drawing_surface.h"
#include "platform/win32/window.h"

namespace morvane::win32 {

// The monitor a dialog stands on, and its scale.
struct DialogMonitor {
    ScreenRect area;  // pixels
    int dpi = 0;
};

// The monitor that holds the mouse cursor now: a dialog opens where the
// user looks, on a monitor that exists, at that monitor's scale.
DialogMonitor MonitorUnderCursorNow();

class DialogWindow : public Window {
public:
    // The dialog's keys, for the dialog and its controls.
    bool PreTranslateMessage(MSG& message) override;

protected:
    DialogWindow() = default;

    // Where the dialog stands and at which scale: the monitor under the
    // cursor when the dialog was last made.
    const DialogMonitor& Monitor() const { return monitor_; }
    // The monitor under the cursor now becomes the dialog's; its scale is in
    // force while the returned object lives: the dialog is made at it.
    ScopedScale AtMonitorUnderCursor();

    // Enter clicks defaultButton when no push button has the focus and it is
    // visible; Escape clicks cancelButton. Both must outlive the dialog's window.
    void SetDialogButtons(PushButton& defaultButton, PushButton& cancelButton);

    // Where a window of this outer size stands centred on the dialog's monitor.
    DialogOrigin CentredOn(SIZE outer, HalfPixel half) const;
    // Moves the dialog, at its size now, to the centre of its monitor.
    void Centre(HalfPixel half);

    // The text font at the scale in force: it measures the dialog's texts
    // and is lent to the controls that show them.
    void SetTextFont(const StdFont& font);
    const DrawingSurface& TextSurface() const { return *text_; }
    HFONT TextFont() const;
    // The push buttons' own font, the system's dialog font at the scale in
    // force, lent to these buttons.
    void SetButtonFont(std::initializer_list<PushButton*> buttons);

    // The control given the focus when the dialog is next activated.
    HWND RememberedFocus() const { return focus_; }
    void RememberFocus(HWND control) { focus_ = control; }

    // Shows the dialog, disables the thread's other shown windows and runs
    // the messages until the dialog is gone (or the program is told to
    // quit); then enables them again before the dialog goes, so one of them
    // becomes active again.
    void RunModal();
    // Enables the windows RunModal disabled, then unloads the dialog.
    void EndDialog();

    // How RunModal shows the dialog.
    virtual void ShowDialog() { SetVisible(true); }
    // The dialog becomes active (not minimised): true when it has placed the
    // focus itself, otherwise the remembered control gets it back.
    virtual bool Activated() { return false; }
    // The dialog is no longer active; next is the window that is, if any.
    virtual void Deactivated(HWND next) { static_cast<void>(next); }

    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void EnterPressed();
    void DisableOtherWindows();
    void RestoreOtherWindows();

    DialogMonitor monitor_;
    std::optional<DrawingSurface> text_;
    UniqueFont buttonFont_;  // made for a scale other than the system's
    int buttonFontDpi_ = 0;
    PushButton* default_ = nullptr;
    PushButton* cancel_ = nullptr;
    HWND focus_ = nullptr;
    std::vector<HWND> disabledWindows_;
};

} // namespace morvane::win32
