#include "about/about_content.h"

#include <gtest/gtest.h>

#include "about/about_host.h"
#include "doubles/fake_process_facts.h"

namespace morvane {
namespace {

VersionRecord ProgramVersion() {
    return FakeProcessFacts{}.version;
}

TEST(AboutTitle, IsTheShortNameInFirstRunAndHelpModes) {
    EXPECT_EQ(AboutTitle(about_mode::kFirstRun, ProgramVersion()), L"Morvane3\u2122");
    EXPECT_EQ(AboutTitle(about_mode::kHelp, ProgramVersion()), L"Morvane3\u2122");
}

TEST(AboutTitle, AddsThePlainMenuCaptionInAboutAndHintModes) {
    EXPECT_EQ(AboutTitle(about_mode::kAbout, ProgramVersion()), L"Morvane3\u2122 - About");
    EXPECT_EQ(AboutTitle(about_mode::kHint, ProgramVersion()), L"Morvane3\u2122 - Transparent Background");
}

TEST(AboutText, IntroductionIsOneIndentedParagraphThenSixEmptyLinesThenTheQuestion) {
    const std::wstring expected =
        L"        This application displays a two-letter language indicator near the system cursor."
        L" To control the application, middle-click while holding down the left Shift key:"
        L"\r\n\r\n\r\n\r\n\r\n\r\n\r\n"
        L"If you wish to continue using the application, click \"Yes\".";
    EXPECT_EQ(AboutText(about_mode::kFirstRun, ProgramVersion()), expected);
    EXPECT_EQ(AboutText(about_mode::kHelp, ProgramVersion()), expected) << "help mode keeps the closing sentence";
}

TEST(AboutText, AboutModeShowsProductVersionASpacerLineAndRights) {
    const std::wstring expected = L"Morvane Language Badge \u00AE\r\nVersion 3.23\r\n" + std::wstring(60, L' ') +
                                  L"\r\nCopyright \u00A9 2026 Zantor Ltd";
    EXPECT_EQ(AboutText(about_mode::kAbout, ProgramVersion()), expected);
}

TEST(AboutText, AboutModeShowsTheRevisionWhenThereIsOne) {
    VersionRecord version = ProgramVersion();
    version.Minor = 5;
    version.Revision = 7;
    EXPECT_NE(AboutText(about_mode::kAbout, version).find(L"\r\nVersion 3.05.0007\r\n"), std::wstring::npos);
}

TEST(AboutText, HintEndsWithALineBreak) {
    EXPECT_EQ(AboutText(about_mode::kHint, ProgramVersion()),
              L"If you wish to use a transparent indicator, it\r\n"
              L"is recommended to set the background color\r\n"
              L"close (not contrasting) to the font color.\r\n");
}

TEST(SiteLinkText, IsTheCommentBeforeTheFirstCommaAndBlank) {
    EXPECT_EQ(SiteLinkText(ProgramVersion().Comments), L"https://www.zantor.example");
    EXPECT_EQ(SiteLinkText(L"a,b, c, d"), L"a,b") << "a comma without a blank does not end the address";
}

TEST(SiteLinkText, IsTheWholeCommentWithoutASeparator) {
    EXPECT_EQ(SiteLinkText(L"https://www.zantor.example"), L"https://www.zantor.example");
    EXPECT_EQ(SiteLinkText(L""), L"");
}

TEST(ControlsShownIn, EachModeShowsItsOwnControls) {
    const AboutControlsShown firstRun = ControlsShownIn(about_mode::kFirstRun);
    EXPECT_TRUE(firstRun.picture && firstRun.yesButton);
    EXPECT_FALSE(firstRun.checkBox || firstRun.siteLink);

    const AboutControlsShown help = ControlsShownIn(about_mode::kHelp);
    EXPECT_TRUE(help.picture);
    EXPECT_FALSE(help.yesButton || help.checkBox || help.siteLink) << "help mode has no \"&Yes\"";

    const AboutControlsShown about = ControlsShownIn(about_mode::kAbout);
    EXPECT_TRUE(about.siteLink);
    EXPECT_FALSE(about.picture || about.yesButton || about.checkBox);

    const AboutControlsShown hint = ControlsShownIn(about_mode::kHint);
    EXPECT_TRUE(hint.checkBox);
    EXPECT_FALSE(hint.picture || hint.yesButton || hint.siteLink);
}

TEST(NoButtonCaption, IsNoOnlyInFirstRunMode) {
    EXPECT_EQ(NoButtonCaption(about_mode::kFirstRun), L"&No");
    EXPECT_EQ(NoButtonCaption(about_mode::kHelp), L"&OK");
    EXPECT_EQ(NoButtonCaption(about_mode::kAbout), L"&OK");
    EXPECT_EQ(NoButtonCaption(about_mode::kHint), L"&OK");
}

} // namespace
} // namespace morvane
