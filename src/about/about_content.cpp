#include "about/about_content.h"

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

AboutContent ContentOf(AboutMode mode) {
    switch (mode) {
    case AboutMode::About:
        return AboutContent::About;
    case AboutMode::Hint:
        return AboutContent::Hint;
    case AboutMode::FirstRun:
    case AboutMode::Help:
        break;
    }
    return AboutContent::Introduction;
}

AboutControlsShown ControlsShownIn(AboutMode mode) {
    return {.checkBox = mode == AboutMode::Hint,
            .siteLink = mode == AboutMode::About,
            .picture = mode == AboutMode::FirstRun || mode == AboutMode::Help,
            .yesButton = mode == AboutMode::FirstRun};
}

std::wstring_view NoButtonCaption(AboutMode mode) {
    return mode == AboutMode::FirstRun ? kNoCaption : kOkCaption;
}

std::wstring AboutTitle(AboutMode mode, const VersionRecord& version, const AboutMenuTitles& menuTitles) {
    switch (ContentOf(mode)) {
    case AboutContent::About:
        return menuTitles.about;
    case AboutContent::Hint:
        return menuTitles.hint;
    case AboutContent::Introduction:
        break;
    }
    return version.LegalTrademarks;
}

std::wstring AboutText(AboutMode mode, const VersionRecord& version) {
    switch (ContentOf(mode)) {
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
