#pragma once
// fwPos, the position dialog: a picture of the screen around the cursor at
// the screen's own scale, with the standard arrow, the shield round its hot
// spot and a copy of the indicator (the sample) that the user drags to where
// the indicator should sit. Modeless, owned by the indicator window; each
// opening is built afresh from the indicator's current state, and every way
// of closing ends with the indicator's zPosition_Return, exactly once.
#include <windows.h>

#include <string>
#include <string_view>

#include "platform/win32/button_bar.h"
#include "platform/win32/controls.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/picture_box.h"
#include "position/position_layout.h"
#include "position/win32/position_owner.h"
#include "position/win32/sample_box.h"

namespace morvane::win32 {

inline constexpr wchar_t kPositionClassName[] = L"Morvane3Position";

// Control identifiers of the dialog's children.
namespace position_control {
inline constexpr int kLabel = 201;    // tlPos
inline constexpr int kDesktop = 202;  // pbDesktop
inline constexpr int kCursor = 203;   // pbCursor, inside pbDesktop
inline constexpr int kSample = 204;   // pbLang, inside pbDesktop
inline constexpr int kBar = 205;      // pbBar
inline constexpr int kDefault = 206;  // bbDefault, inside pbBar
inline constexpr int kOk = 207;       // bbOK, inside pbBar
inline constexpr int kCancel = 208;   // bbCancel, inside pbBar
} // namespace position_control

class PositionWindow : public DialogWindow {
public:
    // The title is the version record's trademark text, " - ", and the
    // caption of the menu item that opens the dialog as plain text. The owner
    // must outlive this object.
    PositionWindow(PositionOwner& owner, std::wstring title);
    // Ending with the program: the window goes without handing anything back.
    ~PositionWindow() override;

    // Builds the dialog, hidden, at the scale of the monitor under the cursor
    // and centred there, from the owner's
    // current state. True when it is loaded at the end; nothing when it is
    // loaded already.
    bool Load();
    // Loads when needed and shows the dialog, not modal, with the keyboard
    // focus on "&Cancel"; the caller's message loop runs it. False when it
    // could not be loaded: then nothing will be handed back.
    // Enter presses the focused button, else "&OK"; Escape presses
    // "&Cancel" (DialogWindow).
    bool Show();

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void CreateControls();
    void PlaceControls();
    void DrawPreview();
    // The sample painted and placed at these offsets from the cursor picture.
    void PaintSample(PositionOffsets offsets);
    void Rescaled() override;
    void SetTabOrder();
    PositionRect SampleRect() const;
    void MoveSample(PixelPoint place);

    void SampleMove(PixelPoint pointer);
    void DefaultClick();
    void OkClick();

    PositionOwner& owner_;
    std::wstring title_;

    PositionLayout layout_;
    bool returnPending_ = false;  // zPosition_Return is still owed for this opening
    bool bDragging = false;

    Label tlPos;  // in the dialog's text font
    PictureBox pbDesktop;
    PictureBox pbCursor;
    SampleBox pbLang;
    ButtonBar pbBar;
    PushButton bbDefault;
    PushButton bbOK;
    PushButton bbCancel;
};

} // namespace morvane::win32
