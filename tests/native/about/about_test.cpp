// The about dialog's rules: what each mode shows and says. (Its layout is seen end to end at every
// display scale.)
#include <gtest/gtest.h>

#include "about/about_content.h"
#include "doubles/fake_process_facts.h"

namespace morvane {
namespace {

TEST(About, Content) {
    const VersionRecord version = FakeProcessFacts{}.version;
    const AboutMenuTitles titles{L"M - About", L"M - Transparent Background"};
    // Per mode: the title, the controls shown besides the text, and the caption of the button that closes it.
    const struct { AboutMode mode; std::wstring shown; } rows[] = {
        {AboutMode::FirstRun, L"Morvane3\u2122|picture yes |&No"}, {AboutMode::Help, L"Morvane3\u2122|picture |&OK"},
        {AboutMode::About, L"M - About|link |&OK"}, {AboutMode::Hint, L"M - Transparent Background|check |&OK"}};
    for (const auto& row : rows) {
        const AboutControlsShown c = ControlsShownIn(row.mode);
        EXPECT_EQ(AboutTitle(row.mode, version, titles) + L"|" + (c.picture ? L"picture " : L"") + (c.yesButton ? L"yes " : L"") +
                      (c.siteLink ? L"link " : L"") + (c.checkBox ? L"check " : L"") + L"|" + NoButtonCaption(row.mode).data(),
                  row.shown) << "mode " << static_cast<int>(row.mode);
    }
    EXPECT_EQ(AboutText(AboutMode::About, version), L"Morvane Language Badge \u00AE\r\nVersion 3.23\r\n" +
                                                        std::wstring(60, L' ') + L"\r\nCopyright \u00A9 2026 Zantor Ltd");
    VersionRecord revised = version;
    std::tie(revised.Minor, revised.Revision) = std::tuple(5, 7);
    EXPECT_NE(AboutText(AboutMode::About, revised).find(L"\r\nVersion 3.05.0007\r\n"), std::wstring::npos);
    EXPECT_EQ(SiteLinkText(version.Comments) + L" " + SiteLinkText(L"a,b, c, d") + L" " + SiteLinkText(L"https://x.example"),
              L"https://www.zantor.example a,b https://x.example");
}

} // namespace
} // namespace morvane
