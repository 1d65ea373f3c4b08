#pragma once
// What the about dialog says and shows in each AboutMode: its title, the text
// of tbAbout, the link, the captions and which controls are visible.
#include <string>
#include <string_view>

#include "about/about_host.h"
#include "platform/version_record.h"

namespace morvane {

inline constexpr std::wstring_view kYesCaption = L"&Yes";
inline constexpr std::wstring_view kNoCaption = L"&No";
inline constexpr std::wstring_view kOkCaption = L"&OK";
inline constexpr std::wstring_view kSilentCaption = L"&Do not display this message again";

// The three contents: first run and help share one.
enum class AboutContent { Introduction, About, Hint };
AboutContent ContentOf(AboutMode mode);

struct AboutControlsShown {
    bool checkBox = false;   // chAbout, hint mode only
    bool siteLink = false;   // tbSite, about mode only
    bool picture = false;    // pbAbout, first-run and help modes
    bool yesButton = false;  // bbYes, first-run mode only
};
AboutControlsShown ControlsShownIn(AboutMode mode);

// "&No" in first-run mode, "&OK" in every other.
std::wstring_view NoButtonCaption(AboutMode mode);

// The titles of the modes the control menu opens: the short name, " - " and
// the plain caption of the menu item that opens the dialog.
struct AboutMenuTitles {
    std::wstring about;
    std::wstring hint;
};

// The short name (the version record's trademark text) in first-run and help
// modes, the menu's title in about and hint modes.
std::wstring AboutTitle(AboutMode mode, const VersionRecord& version, const AboutMenuTitles& menuTitles);

// The text of tbAbout; lines end with CR LF.
std::wstring AboutText(AboutMode mode, const VersionRecord& version);

// The maker's web-site address: the comment up to its first ", ", or the
// whole comment when it has none.
std::wstring SiteLinkText(std::wstring_view comments);

} // namespace morvane
