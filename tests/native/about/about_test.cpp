// The about dialog's rules: what each mode shows and says, its layout, and
// when the link counts as hovered.
#include <gtest/gtest.h>

#include "about/about_content.h"
#include "about/about_layout.h"
#include "about/site_hover.h"
#include "doubles/fake_process_facts.h"

namespace morvane {
namespace {

TEST(About, Content) {
    const VersionRecord version = FakeProcessFacts{}.version;
    const AboutMenuTitles titles{L"M - About", L"M - Transparent Background"};
    const std::wstring introduction =
        L"        This application displays a two-letter language indicator near the system cursor."
        L" To control the application, middle-click while holding down the left Shift key:"
        L"\r\n\r\n\r\n\r\n\r\n\r\n\r\nIf you wish to continue using the application, click \"Yes\".";
    const struct { AboutMode mode; std::wstring title, text, controls, no; } rows[] = {
        {AboutMode::FirstRun, L"Morvane3\u2122", introduction, L"picture yes", L"&No"},
        {AboutMode::Help, L"Morvane3\u2122", introduction, L"picture", L"&OK"},
        {AboutMode::About, L"M - About",
         L"Morvane Language Badge \u00AE\r\nVersion 3.23\r\n" + std::wstring(60, L' ') + L"\r\nCopyright \u00A9 2026 Zantor Ltd",
         L"link", L"&OK"},
        {AboutMode::Hint, L"M - Transparent Background",
         L"If you wish to use a transparent indicator, it\r\nis recommended to set the background color\r\n"
         L"close (not contrasting) to the font color.\r\n", L"check", L"&OK"}};
    for (const auto& row : rows) {
        const AboutControlsShown shown = ControlsShownIn(row.mode);
        std::wstring controls = std::wstring(shown.picture ? L"picture " : L"") + (shown.yesButton ? L"yes " : L"") +
                                (shown.siteLink ? L"link " : L"") + (shown.checkBox ? L"check " : L"");
        controls.pop_back();
        EXPECT_EQ(std::tuple(AboutTitle(row.mode, version, titles), AboutText(row.mode, version), controls,
                             std::wstring(NoButtonCaption(row.mode))),
                  std::tuple(row.title, row.text, row.controls, row.no)) << "mode " << static_cast<int>(row.mode);
    }
    VersionRecord revised = version;
    revised.Minor = 5;
    revised.Revision = 7;
    EXPECT_NE(AboutText(AboutMode::About, revised).find(L"\r\nVersion 3.05.0007\r\n"), std::wstring::npos);
    EXPECT_EQ(SiteLinkText(version.Comments), L"https://www.zantor.example");
    EXPECT_EQ(SiteLinkText(L"a,b, c, d"), L"a,b");
    EXPECT_EQ(SiteLinkText(L"https://x.example"), L"https://x.example");
}

TwipsRect Px(double left, double top, double width, double height) { return {left * 15, top * 15, width * 15, height * 15}; }

TEST(About, Layout) {
    const AboutLoadSizes sizes = AboutSizesAtLoad({15, 15});
    // Text and link (or check box caption) in pixels; the rectangles that come of them.
    const struct { AboutMode mode; double textW, textH, otherW; TwipsRect text, picture, other, bar, no;
                   std::optional<TwipsRect> yes; double clientW, clientH; } rows[] = {
        {AboutMode::FirstRun, 0, 0, 0, Px(62, 23, 350, 180), Px(132, 73, 210, 90), {}, Px(0, 203, 442, 43),
         Px(352, 10, 75, 23), Px(268, 10, 75, 23), 442, 246},
        {AboutMode::About, 300, 64, 170, Px(62, 23, 300, 64), {}, Px(62, 87, 170, 16), Px(0, 126, 392, 43),
         Px(302, 10, 75, 23), std::nullopt, 392, 169},
        {AboutMode::Hint, 260, 64, 200, Px(62, 23, 260, 64), {}, Px(21, 87, 218, 16), Px(0, 126, 352, 43),
         Px(262, 10, 75, 23), std::nullopt, 352, 169}};
    for (const auto& row : rows) {
        AboutLayoutInput in;
        in.aboutMode = row.mode;
        in.twips = {15, 15};
        in.frameWidth = 8 * 15;
        in.frameHeight = 31 * 15;
        in.icon = sizes.icon;
        in.pictureWidth = sizes.pictureWidth;
        in.pictureHeight = sizes.pictureHeight;
        in.buttonWidth = sizes.buttonWidth;
        in.buttonHeight = sizes.buttonHeight;
        in.barHeight = sizes.barHeight;
        in.text = {row.textW * 15, row.textH * 15};
        in.link = in.checkCaption = {row.otherW * 15, 16 * 15};
        const AboutLayout l = LayOutAbout(in);
        const TwipsRect other = row.mode == AboutMode::Hint ? l.check : l.link;
        const bool introduction = ContentOf(row.mode) == AboutContent::Introduction;
        EXPECT_EQ(std::tuple(l.text, introduction ? l.picture : TwipsRect{}, introduction ? TwipsRect{} : other, l.bar,
                             l.no, l.yes, l.clientWidth, l.clientHeight, l.windowWidth - l.clientWidth),
                  std::tuple(row.text, row.picture, row.other, row.bar, row.no, row.yes, row.clientW * 15,
                             row.clientH * 15, 8 * 15.0)) << "mode " << static_cast<int>(row.mode);
    }
}

TEST(About, LinkHover) {
    EXPECT_TRUE(HoverStartsOnMove({}));
    EXPECT_FALSE(HoverStartsOnMove({.anyButton = true}) || HoverStartsOnMove({.shift = true}) ||
                 HoverStartsOnMove({.control = true}) || HoverStartsOnMove({.alt = true}));
    const ScreenRect link{100, 200, 180, 216};
    const struct { int x, y; bool over; } rows[] = {
        {100, 200, true}, {180, 216, true}, {140, 208, true}, {99, 208, false}, {181, 208, false}, {140, 199, false},
        {140, 217, false}};
    for (const auto& row : rows) EXPECT_EQ(CursorOverLink(row.x, row.y, link), row.over) << row.x << "," << row.y;
}

} // namespace
} // namespace morvane
