#pragma once
// The program's windows as the control menu's commands use them: the
// indicator fwMain, the menu holder fwMenu, and the about and position
// dialogs they open.
#include <cstdint>
#include <string>

#include "about/about_host.h"
#include "pickers/font_target.h"
#include "platform/window_id.h"
#include "services/colour_text.h"

namespace morvane {

// fwMain. As a font target it is what the font dialog opens on and fills.
class CommandIndicator : public FontTarget {
public:
    virtual void SetVisible(bool visible) = 0;
    virtual void SetTimerEnabled(bool enabled) = 0;  // tracking: toLang and the events that wake it
    virtual Colour BackColor() const = 0;
    virtual void SetBackColor(Colour colour) = 0;
    virtual std::int32_t MarginWidth() const = 0;  // MARGIN_Width
    virtual void SetMarginWidth(std::int32_t margin) = 0;
    // Redraws and resizes the indicator; cuts it to its letters while the
    // transparent background is on.
    virtual void zPaintCursor() = 0;
    // Gives the window its full rectangle back, without the cut shape.
    virtual void RestoreFullRectangle() = 0;
    // The Tag: the settings file path.
    virtual std::wstring SettingsFile() const = 0;
    virtual void Unload() = 0;
};

// fwMenu: the owner of the colour dialog, and the control menu's marks.
class CommandMenu {
public:
    virtual ~CommandMenu() = default;
    virtual WindowId Id() const = 0;
    // mPopupTransparent; setting it enables mPopupBackColor exactly when it
    // is unchecked.
    virtual bool TransparentChecked() const = 0;
    virtual void SetTransparentChecked(bool on) = 0;
    virtual bool StartChecked() const = 0;  // mPopupStart
    virtual void SetStartChecked(bool on) = 0;
    virtual void SetMarginChecked(int index, bool on) = 0;  // mPopupMargin(index)
    virtual void Unload() = 0;
};

class CommandDialogs {
public:
    virtual ~CommandDialogs() = default;
    // fwAbout in the given mode, modal: returns once it has closed. Its hint
    // keeps the answer of its check box in settingsFile.
    virtual void ShowAboutModal(AboutMode mode, const std::wstring& settingsFile) = 0;
    // fwPos, not modal, owned by fwMain: returns at once. Closing it hands
    // the offset back through fwMain's zPosition_Return. False when it could
    // not be opened, so that nothing will be handed back.
    virtual bool ShowPosition() = 0;
};

} // namespace morvane
