#pragma once
// fwAbout: the about and first-run dialog. One window in four modes, given
// at each opening: first run and help (shown not modal, at start), about and
// the transparency hint (shown modally by the control menu). Load asks the host whether the dialog may open and, last, lets it
// make the location check; Activate lays the dialog out for its mode every
// time it becomes the program's active window.
#include <windows.h>

#include <string>
#include <utility>

#include "about/about_content.h"
#include "about/about_host.h"
#include "about/win32/site_link.h"
#include "platform/shell.h"
#include "platform/version_record.h"
#include "platform/win32/button_bar.h"
#include "platform/win32/controls.h"
#include "platform/win32/dialog_window.h"
#include "platform/win32/handles.h"
#include "platform/win32/picture_box.h"
#include "services/settings_store.h"

namespace morvane::win32 {

inline constexpr wchar_t kAboutClassName[] = L"Morvane3About";

// Control identifiers of the dialog's children.
namespace about_control {
inline constexpr int kIcon = 101;     // ibAbout
inline constexpr int kText = 102;     // tbAbout
inline constexpr int kPicture = 103;  // pbAbout
inline constexpr int kSite = 104;     // tbSite
inline constexpr int kCheck = 105;    // chAbout
inline constexpr int kBar = 106;      // pbBar
inline constexpr int kYes = 107;      // bbYes, inside pbBar
inline constexpr int kNo = 108;       // bbNo, inside pbBar
} // namespace about_control

class AboutWindow : public DialogWindow {
public:
    // resources is the module that holds the program icon, the
    // illustration and the link's hand cursor. Everything passed in must
    // outlive this object.
    AboutWindow(AboutHost& host, const SettingsStore& store, Shell& shell, VersionRecord version,
                AboutMenuTitles menuTitles, HINSTANCE resources = GetModuleHandleW(nullptr));
    ~AboutWindow() override;

    // The host's checks first (false: nothing is made and Load ends); then
    // the window, hidden and centred on the monitor under the cursor; then the host's location
    // check, which may accept and close it; then, for a dialog still loaded,
    // its controls with their colours, fonts and sizes. True when the dialog
    // is still loaded at the end. Nothing when loaded already.
    bool Load(AboutMode mode);

    // First-run and help modes: shows the loaded dialog, not modal; the
    // caller's message loop runs it. Nothing when it is not loaded, so that
    // "if (Load()) Show();" shows nothing after the acceptance ran in Load.
    void Show();

    // About and hint modes: loads when needed, shows the dialog, disables the
    // program's other windows and returns once the dialog is closed.
    // settingsFile is where the hint's answer is stored.
    void ShowModal(AboutMode mode, const std::wstring& settingsFile);

    // The close action of "&No" / "&OK": in hint mode the check box is stored
    // as "Silent" in the settings file first; then the dialog unloads. The
    // acceptance ends with it.
    void Close();

    // The new-location mark (the Tag of bbYes): empty at every Load; the
    // location check sets it to "*" when the program runs from a directory
    // that was not accepted yet.
    const std::wstring& NewLocationMark() const { return newLocationMark_; }
    void SetNewLocationMark(std::wstring mark) { newLocationMark_ = std::move(mark); }

protected:
    // Enter clicks the focused push button, else the default "&Yes" while it
    // is visible; Escape clicks "&No" / "&OK" (DialogWindow).
    void ShowDialog() override;
    bool Activated() override;
    void Deactivated(HWND next) override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    bool CreateWindowCentred();
    void CreateControls();
    void LoadColoursFontsAndSizes();
    void Activate();
    void ShowControlsFor(AboutMode mode);
    void LayOut(AboutMode mode, const std::wstring& text);
    void Rescaled() override;
    void SiteClick();

    AboutHost& host_;
    const SettingsStore& store_;
    Shell& shell_;
    VersionRecord version_;
    AboutMenuTitles menuTitles_;
    HINSTANCE resources_;

    // The dialog's text font (DialogWindow) measures the texts and is the
    // font of the text and the check box.
    StdFont textFont_;  // the font of tbAbout as designed
    UniqueIcon icon_;   // ibAbout's picture, 32 x 32
    UniqueBitmap picture_;  // pbAbout's illustration
    HCURSOR hand_ = nullptr;  // shared, the system frees it

    PictureBox ibAbout;
    TextBox tbAbout;
    PictureBox pbAbout;
    SiteLink tbSite;
    CheckBox chAbout;
    ButtonBar pbBar;
    PushButton bbYes;
    PushButton bbNo;

    AboutMode mode_ = AboutMode::FirstRun;  // of the current opening
    std::wstring newLocationMark_;
    std::wstring settingsFile_;
    bool active_ = false;  // Activate has run since the program last switched windows
};

} // namespace morvane::win32
