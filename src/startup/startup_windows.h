#pragma once
// What the start-up does to the program's windows: the dialog fwAbout that
// runs it, the menu holder fwMenu and the indicator window fwMain.
#include <string>

namespace morvane {

class StartupWindows {
public:
    virtual ~StartupWindows() = default;

    // The Tag of the dialog's bbYes.
    virtual std::wstring NewLocationMark() const = 0;
    virtual void SetNewLocationMark(const std::wstring& mark) = 0;

    // Loads fwMenu, whose Load builds the control menu.
    virtual void LoadMenuHolder() = 0;
    // mPopupStart.
    virtual void SetStartChecked(bool checked) = 0;
    // mPopupTransparent; mPopupBackColor is enabled exactly while it is not checked.
    virtual void SetTransparentChecked(bool checked) = 0;
    // The first use of fwMain loads it (its Load reads every setting and
    // enables the timer); gives its Tag, the settings file path.
    virtual std::wstring LoadIndicatorAndGetTag() = 0;
    // fwMain gets the dialog's icon.
    virtual void GiveIndicatorTheDialogIcon() = 0;
    // Shows fwMain, not modal.
    virtual void ShowIndicator() = 0;
    // The close action of the dialog's "&No": it unloads itself.
    virtual void CloseDialog() = 0;
};

} // namespace morvane
