#pragma once
// The web-site link of the about dialog (tbSite): a picture box that prints
// its text in the link colour on the window's background, shows a hand
// pointer and reports clicks to its dialog. The underline is the hover state,
// from a plain mouse move onto the link until toHotTracking finds the cursor
// off it; the text is drawn again whenever text, font or size change.
#include <windows.h>

#include <functional>
#include <string>

#include "platform/win32/picture_box.h"
#include "platform/win32/timer.h"
#include "services/colour_text.h"
#include "services/font.h"

namespace morvane::win32 {

inline constexpr Colour kLinkColour = 0x00FF0000;  // blue
inline constexpr Colour kWindowColour = 0x80000005;  // the system window colour

class SiteLink : public PictureBox {
public:
    SiteLink();
    // hand: the pointer over the link, not owned; nullptr keeps the arrow.
    bool Load(HWND parent, int childId, HCURSOR hand);

    const std::wstring& Text() const { return text_; }
    void SetText(std::wstring text);
    void SetFont(const StdFont& font);
    bool Underlined() const { return Surface().Font().Underline; }
    void SetUnderlined(bool underlined);

    // A press and release of the left button on the link.
    std::function<void()> OnClick;

    // toHotTracking: while the mouse is over the link, every 100 ms.
    Timer toHotTracking{*this, 100};

protected:
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Redraw();
    void MouseMoved(WPARAM keys);
    void HotTrackingTick();

    std::wstring text_;
    HCURSOR hand_ = nullptr;
    bool pressed_ = false;
};

} // namespace morvane::win32
