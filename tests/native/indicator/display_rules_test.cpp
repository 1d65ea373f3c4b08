#include "indicator/display_rules.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

DisplayOptions Show(ShowMode mode, bool fullScreen = false, std::int32_t seconds = 2) {
    DisplayOptions options;
    options.show = mode;
    options.fullScreen = fullScreen;
    options.showSeconds = seconds;
    return options;
}

TEST(DisplayRulesTest, EachModeShowsOrHidesFromPlainFacts) {
    struct Row {
        DisplayOptions options;
        DisplayMoment moment;  // overText, msSinceChange, fullScreen
        int alpha;
    };
    const Row rows[] = {
        {Show(ShowMode::Always), {false, 999999, false}, 255},
        {Show(ShowMode::Always), {false, 0, true}, 255},  // full screen ignored while its option is off
        {Show(ShowMode::Always, true), {false, 0, true}, 0},
        {Show(ShowMode::Always, true), {false, 0, false}, 255},
        {Show(ShowMode::OverText), {true, 0, false}, 255},
        {Show(ShowMode::OverText), {false, 0, false}, 0},
        {Show(ShowMode::OverText, true), {true, 0, true}, 0},
        {Show(ShowMode::AfterChange), {false, 0, false}, 255},
        {Show(ShowMode::AfterChange), {false, 1999, false}, 255},
        {Show(ShowMode::AfterChange), {false, 2000, false}, 229},  // the fade's first step
        {Show(ShowMode::AfterChange), {false, 2150, false}, 102},
        {Show(ShowMode::AfterChange), {false, 2299, false}, 0},
        {Show(ShowMode::AfterChange), {false, 2300, false}, 0},
        {Show(ShowMode::AfterChange, false, 5), {false, 4999, false}, 255},
        {Show(ShowMode::AfterChange, false, 5), {false, 5030, false}, 204},  // the fade's second step
        {Show(ShowMode::AfterChange, true), {false, 10, true}, 0},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(DisplayAlpha(rows[i].options, rows[i].moment), rows[i].alpha) << "row " << i;
}

TEST(DisplayRulesTest, AWindowIsFullScreenWhenItCoversItsWholeMonitor) {
    const ScreenRect monitor{1920, 0, 3840, 1080};
    struct Row {
        ScreenRect window;
        bool covers;
    };
    const Row rows[] = {
        {{1920, 0, 3840, 1080}, true},
        {{1910, -10, 3850, 1090}, true},  // a maximised window's frame lies outside
        {{1920, 0, 3840, 1040}, false},  // above the taskbar
        {{0, 0, 1920, 1080}, false},     // the other monitor
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(CoversMonitor(rows[i].window, monitor), rows[i].covers) << "row " << i;
}

TEST(DisplayRulesTest, ShownTextIsTheLabelOrTheCodeWithItsCountry) {
    struct Row {
        std::wstring_view label, country;
        bool showCountry;
        std::wstring_view expected;
    };
    const Row rows[] = {
        {L"", L"US", false, L"EN"},
        {L"", L"gb", true, L"EN-GB"},
        {L"", L"", true, L"EN"},  // the system has no country for it
        {L"Work", L"US", true, L"Work"},
        {L"dvorak-us", L"", false, L"dvorak-u"},  // at most eight characters
    };
    for (std::size_t i = 0; i < std::size(rows); ++i)
        EXPECT_EQ(DisplayText(L"EN", rows[i].label, rows[i].showCountry, rows[i].country), rows[i].expected)
            << "row " << i;
}

TEST(DisplayRulesTest, LabelKeyIsTheLayoutHandleInEightCapitalHexDigits) {
    EXPECT_EQ(LayoutKey(0x04070407), L"04070407");
    EXPECT_EQ(LayoutKey(0xF0020409), L"F0020409");
}

TEST(DisplayRulesTest, CapsBarRoomLowersTheTextAndKeepsTheWidth) {
    const TwipsPerPixel twips{15, 12};
    const PaintLayout plain = LayoutPaint(330, 195, twips, 1);
    const PaintLayout room = WithCapsBarRoom(plain, twips);
    EXPECT_EQ(room.widthPixels, plain.widthPixels);
    EXPECT_EQ(room.heightPixels, plain.heightPixels + kCapsBarRoom);
    EXPECT_DOUBLE_EQ(room.height, static_cast<double>(room.heightPixels) * 12);
    EXPECT_DOUBLE_EQ(room.currentY, plain.currentY + static_cast<double>(kCapsBarRoom) * 12);
}

} // namespace
} // namespace morvane
