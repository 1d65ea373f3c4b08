// The indicator's rules: its settings, the menu gesture, following the
// cursor, where it goes beside the cursor, the language code and its shape.
#include <gtest/gtest.h>

#include <sstream>

#include "doubles/fake_input_cursor.h"
#include "doubles/fake_process_facts.h"
#include "doubles/fake_system.h"
#include "indicator/indicator_placement.h"
#include "indicator/indicator_settings.h"
#include "indicator/indicator_tracking.h"
#include "indicator/language_code.h"
#include "indicator/region_runs.h"

namespace morvane {
namespace {

TEST(Indicator, SettingsAndTheirLimits) {
    // One stored key (or none), and the settings loaded: colours, font, margin, offsets.
    const struct { const wchar_t* key; const wchar_t* stored; std::wstring loaded; } rows[] = {
        {L"-", L"", L"FFFFFF 0000FF Tahoma 8 700 1 0,0"}, {L"Margin", L"12", L"FFFFFF 0000FF Tahoma 8 700 9 0,0"},
        {L"Margin", L"-1", L"FFFFFF 0000FF Tahoma 8 700 0 0,0"}, {L"Margin", L"4.5", L"FFFFFF 0000FF Tahoma 8 700 4 0,0"},
        {L"ShiftX", L"191", L"FFFFFF 0000FF Tahoma 8 700 1 190,0"}, {L"ShiftX", L"-191", L"FFFFFF 0000FF Tahoma 8 700 1 -190,0"},
        {L"ShiftY", L"151", L"FFFFFF 0000FF Tahoma 8 700 1 0,150"}, {L"ShiftY", L"-151", L"FFFFFF 0000FF Tahoma 8 700 1 0,-150"},
        {L"BackColor", L"00FF00FF", L"00FF00 0000FF Tahoma 8 700 1 0,0"}, {L"ForeColor", L"xyz", L"FFFFFF 000000 Tahoma 8 700 1 0,0"}};
    FakeProcessFacts process;
    FakeInputCursor input;
    input.cursorSize = {48, 40};
    for (const auto& row : rows) {
        FakeProfileFiles files;
        files.values[FakeProfileFiles::Key(L"C:\\Tools\\Morvane3.dat", L"Main", row.key)] = row.stored;
        const IndicatorSettings s = LoadIndicatorSettings(SettingsStore(files), process, input, IndicatorDesignFont());
        std::wostringstream loaded;
        loaded << ColourText(s.BackColor) << " " << ColourText(s.ForeColor) << " " << s.Font.Name << " "
               << NumberText(s.Font.Size) << " " << s.Font.Weight << " " << s.MARGIN_Width << " " << s.POSITION_Left << ","
               << s.POSITION_TOP;
        EXPECT_EQ(loaded.str(), row.loaded) << row.key << "=" << row.stored;
        EXPECT_EQ(std::tuple(s.CURSOR_Width, s.CURSOR_Height, files.writes), std::tuple(48, 40, 0));
    }
    process.directory = L"D:\\Other Place";
    process.baseName = L"Badge";
    EXPECT_EQ(SettingsFilePath(process), L"D:\\Other Place\\Badge.dat");
}

TEST(Indicator, Gesture) {
    constexpr int kRightShift = 0xA1, kShift = 0x10;
    const struct { std::set<int> keys; bool menuOpen; TickAction action; } rows[] = {
        {{virtual_key::kLeftShift, virtual_key::kMiddleButton}, false, TickAction::OpenMenu},
        {{virtual_key::kLeftShift, virtual_key::kMiddleButton}, true, TickAction::Wait},
        {{}, true, TickAction::Wait}, {{}, false, TickAction::FollowCursor},
        {{virtual_key::kLeftShift}, false, TickAction::FollowCursor},
        {{virtual_key::kMiddleButton}, false, TickAction::FollowCursor},
        {{kRightShift, virtual_key::kMiddleButton}, false, TickAction::FollowCursor},
        {{kShift, virtual_key::kMiddleButton}, false, TickAction::FollowCursor}};
    FakeInputCursor input;
    for (const auto& row : rows) {
        input.keysHeld = row.keys;
        EXPECT_EQ(ChooseTickAction(input, row.menuOpen), row.action)
            << ::testing::PrintToString(row.keys) << (row.menuOpen ? " menu open" : "");
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
    input.windowsAt = {{{400, 300}, 0x200}, {{405, 300}, 0x200}, {{900, 500}, 0x300}, {{420, 320}, 0x100},
                       {{30, 30}, 0x500}, {{50, 50}, 0x600}};
    input.layouts = {{0x200, 0x04070407}, {0x300, 0x04190419}, {0x400, 0x04640464}, {0x502, 0x04070407}};
    // A program in front whose focus lives on another thread; an app frame and its core window behind.
    std::tie(input.roots, input.foreground, input.focus, input.hosts) = std::tuple(
        std::map<WindowId, WindowId>{{0x500, 0x501}}, 0x501, 0x502, std::map<WindowId, InputHost>{{0x600, {true, 0x400}}});
    input.languageNames[0x0464] = L"fil";
    input.languageNames.erase(0x0419);
    // Each row is one tick: where the hot spot is, and what shows after it.
    const struct { ScreenPoint hotSpot; KeyboardLayout editorLayout; const wchar_t* code; int repaints, lookups;
                   ScreenPoint at; } rows[] = {
        {{10, 10}, 0x04070407, L"EN", 1, 1, {22, 28}}, {{400, 300}, 0x04070407, L"DE", 2, 2, {412, 318}},
        {{405, 300}, 0x04070407, L"DE", 2, 2, {417, 318}}, {{420, 320}, 0x04070407, L"DE", 2, 2, {432, 338}},
        {{400, 300}, 0xF0020407, L"DE", 3, 3, {412, 318}}, {{900, 500}, 0xF0020407, L"??", 4, 4, {912, 518}},
        {{30, 30}, 0xF0020407, L"DE", 5, 5, {42, 48}}, {{50, 50}, 0xF0020407, L"FIL", 6, 6, {58, 68}}};
    LanguageShown shown;
    TrackedFake indicator(shown);
    IndicatorOffset offset;
    for (const auto& row : rows) {
        input.layouts[0x200] = row.editorLayout;
        offset = MoveIndicator(row.hotSpot, offset, {32, 32}, shown, input, indicator);
        EXPECT_EQ(shown.sLangCode, row.code) << row.hotSpot.x;
        EXPECT_EQ(indicator.repaints, row.repaints) << row.hotSpot.x;
        EXPECT_EQ(input.languageLookups, row.lookups) << row.hotSpot.x;
        EXPECT_EQ(indicator.at.x * 10000 + indicator.at.y, row.at.x * 10000 + row.at.y) << row.hotSpot.x;
    }
    indicator.visible = false;
    indicator.at = {};
    input.layouts[0x200] = 0x04090409;
    EXPECT_EQ(MoveIndicator({400, 300}, {-10, -10}, {32, 32}, shown, input, indicator), (IndicatorOffset{-10, -10}));
    EXPECT_EQ(indicator.repaints * 100 + indicator.at.x, 600) << "hidden: nothing read, painted or placed";
    indicator.visible = true;
    EXPECT_EQ(MoveIndicator({400, 300}, {-10, -10}, {32, 32}, shown, input, indicator), (IndicatorOffset{}));
    EXPECT_EQ(LanguageCode(L"fil"), L"FIL");
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
        {{-10, 20}, 24, 14, 15, {32, 32}, {-10, 20}, {390, 320}}, {{-10, -10}, 24, 14, 15, {32, 32}, {0, 0}, {408, 318}},
        {{0, -10}, 24, 14, 15, {32, 32}, {0, 0}, {408, 318}}, {{-24, -14}, 24, 14, 15, {32, 32}, {0, 0}, {408, 318}},
        {{-25, -15}, 24, 14, 15, {32, 32}, {-25, -15}, {375, 285}}, {{25, 0}, 24, 14, 15, {32, 32}, {25, 0}, {425, 318}},
        {{0, 0}, 20, 14, 15, {32, 32}, {0, 0}, {412, 318}}, {{0, 0}, 30, 30, 15, {32, 32}, {0, 0}, {408, 308}},
        {{0, 0}, 20, 14, 15, {16, 16}, {0, 0}, {408, 308}}, {{0, 0}, 20, 14, 12, {48, 48}, {0, 0}, {428, 334}},
        {{190, 150}, 20, 14, 15, {32, 32}, {190, 150}, {590, 450}}};
    for (const auto& row : rows) {
        const IndicatorGeometry g{{row.twips, row.twips}, row.w * row.twips, row.h * row.twips};
        const IndicatorOffset settled = SettledOffset(row.stored, g);
        EXPECT_EQ(settled, row.settled) << row.stored.left << "," << row.stored.top << " size " << row.w;
        const ScreenPoint at = IndicatorTopLeft({400, 300}, settled, row.cursor, g);
        EXPECT_EQ(at.x * 10000 + at.y, row.at.x * 10000 + row.at.y) << row.stored.left << "," << row.stored.top
                                                                     << " size " << row.w << " cursor " << row.cursor.width;
    }
}

TEST(Indicator, ShapeRuns) {
    constexpr Colour W = 0xFFFFFF, R = 0x0000FF, N = 0xFFFFFE, T = 0xFFFFFFFF;
    const struct { std::vector<Colour> pixels; int width, height; std::vector<PixelRect> runs; } rows[] = {
        {{W, R, R, W, R, W, R, W, W, R, R, W}, 4, 3, {{1, 0, 3, 1}, {0, 1, 1, 2}, {2, 1, 3, 2}, {1, 2, 3, 3}}},
        {{W, W, R, R}, 4, 1, {{2, 0, 4, 1}}}, {{W, W, W, W}, 2, 2, {}}, {{W, N}, 2, 1, {{1, 0, 2, 1}}},
        {{T, R}, 2, 1, {{1, 0, 2, 1}}}, {{R}, 1, 1, {{0, 0, 1, 1}}}, {{R, R, R}, 2, 2, {}}, {{}, 0, 0, {}}};
    for (const auto& row : rows) {
        EXPECT_EQ(OpaqueRuns(row.pixels, row.width, row.height, W), row.runs) << row.width << "x" << row.height;
    }
    EXPECT_EQ(TransparentColourFor(R, W), R);
    EXPECT_EQ(TransparentColourFor(std::nullopt, W), W);
    EXPECT_EQ(TransparentColourFor(kSystemColourFlag | 5, W), W);
    EXPECT_EQ(ColourOfDibPixel(0xAA112233), 0x332211u);
}

} // namespace
} // namespace morvane
