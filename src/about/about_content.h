#pragma once
// What the about dialog says and shows in each AboutMode: its title, the text
// of tbAbout, the link, the captions and which controls are visible.
#include <cstdint>
#include <string>
#include <string_view>

#include "platform/version_record.h"

namespace morvane {

inline constexpr std::wstring_view kYesCaption = L"&Yes";
inline constexpr std::wstring_view kNoCaption = L"&No";
inline constexpr std::wstring_view kOkCaption = L"&OK";
inline constexpr std::wstring_view kSilentCaption = L"&Do not display this message again";

// The three contents: first run and help share one; a mode outside 1 to 4
// shows that one as well.
enum class AboutContent { Introduction, About, Hint };
AboutContent ContentOf(std::int32_t aboutMode);

struct AboutControlsShown {
    bool checkBox = false;   // chAbout, hint mode only
    bool siteLink = false;   // tbSite, about mode only
    bool picture = false;    // pbAbout, first-run and help modes
    bool yesButton = false;  // bbYes, first-run mode only
};
AboutControlsShown ControlsShownIn(std::int32_t aboutMode);

// "&No" in first-run mode, "&OK" in every other.
std::wstring_view NoButtonCaption(std::int32_t aboutMode);

// The short name (the version record's trademark text), followed in about
// and hint modes by " - " and the plain caption of the menu item that opens
// the dialog.
std::wstring AboutTitle(std::int32_t aboutMode, const VersionRecord& version);

// The text of tbAbout; lines end with CR LF.
std::wstring AboutText(std::int32_t aboutMode, const VersionRecord& version);

// The maker's web-site address: the comment up to its first ", ", or the
// whole comment when it has none.
std::wstring SiteLinkText(std::wstring_view comments);

} // namespace morvane
