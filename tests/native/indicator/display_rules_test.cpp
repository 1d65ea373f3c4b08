#include "indicator/display_rules.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

TEST(DisplayRulesTest, EachModeShowsOrHidesFromPlainFacts) {
    using enum ShowMode;
    // Options (mode, full-screen option, show seconds); facts (over text, ms since the change, full screen).
    const struct { ShowMode mode; bool fullScreenOption; std::int32_t seconds; DisplayMoment moment; int alpha; } rows[] = {
        {Always, false, 2, {false, 999999, false}, 255}, {Always, false, 2, {false, 0, true}, 255},
        {Always, true, 2, {false, 0, true}, 0}, {Always, true, 2, {false, 0, false}, 255},
        {OverText, false, 2, {true, 0, false}, 255}, {OverText, false, 2, {false, 0, false}, 0},
        {OverText, true, 2, {true, 0, true}, 0}, {AfterChange, false, 2, {false, 0, false}, 255},
        {AfterChange, false, 2, {false, 1999, false}, 255}, {AfterChange, false, 2, {false, 2000, false}, 229},
        {AfterChange, false, 2, {false, 2150, false}, 102}, {AfterChange, false, 2, {false, 2299, false}, 0},
        {AfterChange, false, 2, {false, 2300, false}, 0}, {AfterChange, false, 5, {false, 4999, false}, 255},
        {AfterChange, false, 5, {false, 5030, false}, 204}, {AfterChange, true, 2, {false, 10, true}, 0}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        DisplayOptions options;
        std::tie(options.show, options.fullScreen, options.showSeconds) =
            std::tuple(rows[i].mode, rows[i].fullScreenOption, rows[i].seconds);
        EXPECT_EQ(DisplayAlpha(options, rows[i].moment), rows[i].alpha) << "row " << i;
    }
}

TEST(DisplayRulesTest, AfterAChangeTheOpacityChangesAtTheShowTimesEndAndEachFadeStep) {
    // Show 2 s, then 10 steps of 30 ms: ms since the change, ms to the next change (0: none).
    const std::uint32_t rows[][2] = {{0, 2000}, {1999, 1}, {2000, 30}, {2015, 15}, {2290, 10}, {2300, 0}};
    for (const auto& row : rows)
        EXPECT_EQ(MsToNextAlphaStep({.show = ShowMode::AfterChange}, row[0]).value_or(0), row[1]) << row[0];
    EXPECT_FALSE(MsToNextAlphaStep({}, 0)) << "always shown";
}

// The whole monitor; a frame outside it; above the taskbar; the other monitor; maximised; with a caption; the shell's.
TEST(DisplayRulesTest, FullScreenIsACaptionlessUnmaximisedWindowOverItsMonitorAndNotTheShells) {
    const ScreenRect monitor{1920, 0, 3840, 1080}, whole{1920, 0, 3840, 1080}, frameOutside{1912, -8, 3848, 1088};
    const struct { WindowFrame frame; const wchar_t* className; bool fullScreen; } rows[] = {
        {{whole}, L"UnityWndClass", true}, {{frameOutside}, L"Chrome_WidgetWin_1", true}, {{{1920, 0, 3840, 1040}}, L"Game", false},
        {{{0, 0, 1920, 1080}}, L"Game", false}, {{frameOutside, true, true}, L"Notepad", false}, {{frameOutside, false, true}, L"Notepad", false},
        {{whole, true, false}, L"Notepad", false}, {{whole}, L"Progman", false}, {{whole}, L"WorkerW", false},
        {{whole}, L"MultitaskingViewFrame", false}, {{whole}, L"XamlExplorerHostIslandWindow", false},
        {{whole}, L"ForegroundStaging", false}, {{whole}, L"Windows.UI.Core.CoreWindow", false}};
    for (const auto& row : rows)
        EXPECT_EQ(IsFullScreen(row.frame, monitor, row.className), row.fullScreen)
            << row.className << (row.frame.caption ? " caption" : "") << (row.frame.maximised ? " maximised" : "");
}

TEST(DisplayRulesTest, ShownTextIsTheLabelOrTheCodeWithItsCountry) {
    const struct { const wchar_t *label, *country; bool showCountry; const wchar_t* expected; } rows[] = {
        {L"", L"US", false, L"EN"}, {L"", L"gb", true, L"EN-GB"}, {L"", L"", true, L"EN"},
        {L"Work", L"US", true, L"Work"}, {L"dvorak-us", L"", false, L"dvorak-u"},
        {L"Deutsch\xD83C\xDDE9", L"", false, L"Deutsch"}, {L"DE\xD83C\xDDE9\xD83C\xDDEA!!", L"", false, L"DE\xD83C\xDDE9\xD83C\xDDEA!!"}};
    for (const auto& row : rows)
        EXPECT_EQ(DisplayText(L"EN", row.label, row.showCountry, row.country), row.expected) << row.label << row.country;
    EXPECT_EQ(LayoutKey(0x04070407) + L" " + LayoutKey(0xF0020409), L"04070407 F0020409");
}

TEST(DisplayRulesTest, CapsBarRoomLowersTheTextAndKeepsTheWidth) {
    const TwipsPerPixel twips{15, 12};
    const PaintLayout plain = LayoutPaint(22, 13, twips, 1);
    const PaintLayout room = WithCapsBarRoom(plain, twips);
    EXPECT_EQ(std::tuple(room.widthPixels, room.heightPixels, room.height, room.currentY),
              std::tuple(plain.widthPixels, plain.heightPixels + kCapsBarRoom,
                         static_cast<double>(room.heightPixels) * 12, plain.currentY + kCapsBarRoom * 12.0));
}

} // namespace
} // namespace morvane
