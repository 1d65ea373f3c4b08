#pragma once
// The commands of the control menu: one click handler per item that can be
// chosen (menu_dispatch.h). The control menu calls them before the call that showed it returns.
namespace morvane {

class MenuCommands {
public:
    virtual ~MenuCommands() = default;
    virtual void FontClick() = 0;         // mPopupFont
    virtual void BackColorClick() = 0;    // mPopupBackColor
    virtual void TransparentClick() = 0;  // mPopupTransparent
    virtual void PositionClick() = 0;     // mPopupPosition
    virtual void MarginClick(int index) = 0;  // mPopupMargin(index), 0..9
    virtual void StartClick() = 0;        // mPopupStart
    virtual void AboutClick() = 0;        // mPopupAbout
    virtual void ExitClick() = 0;         // mPopupExit
};

} // namespace morvane
