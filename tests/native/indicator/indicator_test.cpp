// The indicator's rules: the menu gesture, following the cursor, where it
// goes beside the cursor and the language code.
#include <gtest/gtest.h>

#include "doubles/fake_input_cursor.h"
#include "indicator/indicator_placement.h"
#include "indicator/indicator_tracking.h"

namespace morvane {
namespace {

TEST(Indicator, Gesture) {
    constexpr int L = virtual_key::kLeftShift, M = virtual_key::kMiddleButton, kRightShift = 0xA1, kShift = 0x10;
    using enum TickAction;
    const struct { std::set<int> keys; bool menuOpen; TickAction action; } rows[] = {
        {{L, M}, false, OpenMenu}, {{L, M}, true, Wait}, {{}, true, Wait}, {{}, false, FollowCursor}, {{L}, false, FollowCursor},
        {{M}, false, FollowCursor}, {{kRightShift, M}, false, FollowCursor}, {{kShift, M}, false, FollowCursor}};
    FakeInputCursor input;
    for (const auto& row : rows) {
        input.keysHeld = row.keys;
        EXPECT_EQ(ChooseTickAction(input, row.menuOpen), row.action) << ::testing::PrintToString(row.keys) << row.menuOpen;
    }
}

// Sized like a painted code: 10 pixels a letter, 14 pixels high.
struct TrackedFake : TrackedIndicator {
    explicit TrackedFake(const LanguageShown& s) : shown(s) {}
    bool IsShown() const override { return visible; }
    WindowId Id() const override { return 0x100; }
    IndicatorGeometry Geometry() const override { return {{15, 15}, width * 15.0, 14 * 15.0}; }
    void Repaint() override {
        ++repaints;
        width = 10 * static_cast<int>(shown.sLangCode.size());
    }
    void PlaceOnTop(ScreenPoint p) override { at = p; }
    const LanguageShown& shown;
    bool visible = true;
    int width = 24, repaints = 0;
    ScreenPoint at{-1, -1};
};

TEST(Indicator, FollowsTheCursorAndItsLanguage) {
    FakeInputCursor input;
    // Which window's thread is read is the layout source's rule; here, what a new layout brings.
    input.windowsAt = {{{400, 300}, 0x200}, {{405, 300}, 0x200}, {{900, 500}, 0x300}, {{420, 320}, 0x100}, {{50, 50}, 0x400}};
    input.layouts = {{0x200, 0x04070407}, {0x300, 0x04190419}, {0x400, 0x04640464}};
    input.languageNames[0x0464] = L"fil";
    input.languageNames.erase(0x0419);
    // Each row is one tick: where the hot spot is, and what shows after it.
    const struct { ScreenPoint hotSpot; KeyboardLayout editorLayout; const wchar_t* code; int repaints, lookups;
                   ScreenPoint at; } rows[] = {
        {{10, 10}, 0x04070407, L"EN", 1, 1, {22, 28}}, {{400, 300}, 0x04070407, L"DE", 2, 2, {412, 318}},
        {{405, 300}, 0x04070407, L"DE", 2, 2, {417, 318}}, {{420, 320}, 0x04070407, L"DE", 2, 2, {432, 338}},
        {{400, 300}, 0xF0020407, L"DE", 3, 3, {412, 318}}, {{900, 500}, 0xF0020407, L"??", 4, 4, {912, 518}},
        {{50, 50}, 0xF0020407, L"FIL", 5, 5, {58, 68}}};
    LanguageShown shown;
    TrackedFake indicator(shown);
    IndicatorOffset offset;
    for (const auto& row : rows) {
        input.layouts[0x200] = row.editorLayout;
        offset = MoveIndicator(row.hotSpot, offset, {32, 32}, shown, input, indicator);
        EXPECT_EQ(std::tuple(shown.sLangCode, indicator.repaints, input.languageLookups, indicator.at.x, indicator.at.y),
                  std::tuple(row.code, row.repaints, row.lookups, row.at.x, row.at.y)) << row.hotSpot.x;
    }
    indicator.visible = false;
    indicator.at = {};
    input.layouts[0x200] = 0x04090409;
    EXPECT_EQ(MoveIndicator({400, 300}, {-10, -10}, {32, 32}, shown, input, indicator), (IndicatorOffset{-10, -10}));
    EXPECT_EQ(std::tuple(indicator.repaints, indicator.at.x, indicator.at.y), std::tuple(5, 0, 0))
        << "hidden: nothing read, painted or placed";
    indicator.visible = true;
    EXPECT_EQ(MoveIndicator({400, 300}, {-10, -10}, {32, 32}, shown, input, indicator), (IndicatorOffset{}));
}

// A console reads its keys on the console host's thread; an app frame's core
// window may come after the cursor; a thread without keyboard state has layout 0.
TEST(Indicator, ConsolesLateCoreWindowsAndUnknownLayouts) {
    FakeInputCursor input;
    input.windowsAt = {{{70, 70}, 0x700}, {{80, 80}, 0x800}, {{90, 90}, 0x900}};
    input.layouts = {{0x700, 0}, {0x701, 0x04190419}, {0x800, 0}, {0x900, 0x04090409}, {0x901, 0x04070407}};
    input.hosts = {{0x700, {true, 0x701}}, {0x900, {true, kNoWindow}}};
    input.foreground = input.focus = 0x700;  // a console in front: its focus is the console window itself
    LanguageShown shown;
    TrackedFake indicator(shown);
    // Each row: where the cursor is, the code then, host lookups so far; the core window comes before the fifth.
    const struct { std::int32_t xy; const wchar_t* code; int hostLookups; } rows[] = {
        {70, L"RU", 1}, {80, L"RU", 2}, {90, L"EN", 3}, {90, L"EN", 4}, {90, L"DE", 5}, {90, L"DE", 5}};
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        if (i == 4) input.hosts[0x900].window = 0x901;
        MoveIndicator({rows[i].xy, rows[i].xy}, {}, {32, 32}, shown, input, indicator);
        EXPECT_EQ(std::tuple(shown.sLangCode, input.hostLookups), std::tuple(rows[i].code, rows[i].hostLookups)) << i;
    }
    EXPECT_EQ(input.languageLookups, 3) << "none for layout 0";
}

TEST(Indicator, Placement) {
    const struct { IndicatorOffset stored; int w, h; double twips; CursorSize cursor; IndicatorOffset settled;
                   ScreenPoint at; } rows[] = {
        {{-30, -20}, 24, 14, 15, {32, 32}, {-30, -20}, {370, 280}}, {{0, -40}, 24, 14, 15, {32, 32}, {0, -40}, {408, 260}},
        {{-10, -10}, 24, 14, 15, {32, 32}, {0, 0}, {408, 318}}, {{0, -10}, 24, 14, 15, {32, 32}, {0, 0}, {408, 318}},
        {{-24, -14}, 24, 14, 15, {32, 32}, {0, 0}, {408, 318}}, {{-25, -15}, 24, 14, 15, {32, 32}, {-25, -15}, {375, 285}},
        {{0, 0}, 30, 30, 15, {32, 32}, {0, 0}, {408, 308}}, {{0, 0}, 20, 14, 12, {48, 48}, {0, 0}, {428, 334}},
        // At 192 dots an inch (7.5 twips a pixel) EN with margin 1 is 46 x 23 pixels: reaching the hot spot resets.
        {{-46, -23}, 46, 23, 7.5, {32, 32}, {0, 0}, {408, 309}}};
    for (const auto& row : rows) {
        const IndicatorGeometry g{{row.twips, row.twips}, row.w * row.twips, row.h * row.twips};
        const IndicatorOffset settled = SettledOffset(row.stored, g);
        const ScreenPoint at = IndicatorTopLeft({400, 300}, settled, row.cursor, g);
        EXPECT_EQ(std::tuple(settled.left, settled.top, at.x, at.y),
                  std::tuple(row.settled.left, row.settled.top, row.at.x, row.at.y))
            << row.stored.left << "," << row.stored.top << " size " << row.w << " cursor " << row.cursor.width;
    }
}

} // namespace
} // namespace morvane
