#include "about/about_content.h"

#include "about/about_host.h"
#include "menu/control_menu_items.h"
#include "services/utilities.h"

namespace morvane {

namespace {

constexpr std::wstring_view kLineBreak = L"\r\n";

std::wstring IntroductionText() {
    std::wstring text(8, L' ');
    text += L"This application displays a two-letter language indicator near the system cursor.";
    text += L" To control the application, middle-click while holding down the left Shift key:";
    // The paragraph ends and six empty lines follow, in front of which the
    // illustration lies.
    text += RepeatText(kLineBreak, 7);
    text += L"If you wish to continue using the application, click \"Yes\".";
    return text;
}

std::wstring AboutModeText(const VersionRecord& version) {
    std::wstring text = version.ProductName;
    text += kLineBreak;
    text += L"Version " + VersionText(version.Major, version.Minor, version.Revision);
    text += kLineBreak;
    // An empty-looking line that also keeps the text at least this wide.
    text += std::wstring(60, L' ');
    text += kLineBreak;
    text += version.LegalCopyright;
    return text;
}

std::wstring HintText() {
    std::wstring text = L"If you wish to use a transparent indicator, it";
    text += kLineBreak;
    text += L"is recommended to set the background color";
    text += kLineBreak;
    text += L"close (not contrasting) to the font color.";
    text += kLineBreak;
    return text;
}

} // namespace

AboutContent ContentOf(std::int32_t aboutMode) {
    switch (aboutMode) {
    case about_mode::kAbout:
        return AboutContent::About;
    case about_mode::kHint:
        return AboutContent::Hint;
    default:
        return AboutContent::Introduction;
    }
}

AboutControlsShown ControlsShownIn(std::int32_t aboutMode) {
    return {.checkBox = aboutMode == about_mode::kHint,
            .siteLink = aboutMode == about_mode::kAbout,
            .picture = aboutMode == about_mode::kFirstRun || aboutMode == about_mode::kHelp,
            .yesButton = aboutMode == about_mode::kFirstRun};
}

std::wstring_view NoButtonCaption(std::int32_t aboutMode) {
    return aboutMode == about_mode::kFirstRun ? kNoCaption : kOkCaption;
}

std::wstring AboutTitle(std::int32_t aboutMode, const VersionRecord& version) {
    switch (ContentOf(aboutMode)) {
    case AboutContent::About:
        return MenuDialogTitle(version.LegalTrademarks, PopupItem::About);
    case AboutContent::Hint:
        return MenuDialogTitle(version.LegalTrademarks, PopupItem::Transparent);
    case AboutContent::Introduction:
        break;
    }
    return version.LegalTrademarks;
}

std::wstring AboutText(std::int32_t aboutMode, const VersionRecord& version) {
    switch (ContentOf(aboutMode)) {
    case AboutContent::About:
        return AboutModeText(version);
    case AboutContent::Hint:
        return HintText();
    case AboutContent::Introduction:
        break;
    }
    return IntroductionText();
}

std::wstring SiteLinkText(std::wstring_view comments) {
    return std::wstring(comments.substr(0, comments.find(L", ")));
}

} // namespace morvane
