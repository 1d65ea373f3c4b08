#include "indicator/indicator_tracking.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "doubles/fake_input_cursor.h"

namespace morvane {
namespace {

constexpr WindowId kIndicator = 0x100;
constexpr WindowId kEditor = 0x200;
constexpr WindowId kBrowser = 0x300;
constexpr ScreenPoint kOverEditor{400, 300};
constexpr ScreenPoint kOverBrowser{900, 500};
constexpr ScreenPoint kOverIndicator{420, 320};
constexpr KeyboardLayout kGerman = 0x04070407;
constexpr KeyboardLayout kRussian = 0x04190419;
constexpr KeyboardLayout kEnglishUs = 0x04090409;
constexpr KeyboardLayout kEnglishDvorak = 0xF0020409;  // another layout of the same language
constexpr int kRightShift = 0xA1;
constexpr int kShift = 0x10;

// The indicator as a record of what the tracking did to it. A repaint sizes
// it like a painted code: 10 pixels a letter, 14 pixels high.
class FakeIndicator : public TrackedIndicator {
public:
    explicit FakeIndicator(const LanguageShown& language) : language_(language) {}

    bool visible = true;
    int widthPixels = 24;
    int heightPixels = 14;
    std::vector<std::wstring> repaints;  // the code shown at each repaint
    std::vector<ScreenPoint> placements;

    bool IsShown() const override { return visible; }
    WindowId Id() const override { return kIndicator; }
    IndicatorGeometry Geometry() const override { return {{15, 15}, widthPixels * 15.0, heightPixels * 15.0}; }
    void Repaint() override {
        repaints.push_back(language_.sLangCode);
        widthPixels = 10 * static_cast<int>(language_.sLangCode.size());
    }
    void PlaceOnTop(ScreenPoint topLeft) override { placements.push_back(topLeft); }

private:
    const LanguageShown& language_;
};

class MoveIndicatorTest : public ::testing::Test {
protected:
    MoveIndicatorTest() {
        input.windowsAt = {{{kOverEditor.x, kOverEditor.y}, kEditor},
                           {{kOverBrowser.x, kOverBrowser.y}, kBrowser},
                           {{kOverIndicator.x, kOverIndicator.y}, kIndicator}};
        input.layouts = {{kEditor, kGerman}, {kBrowser, kRussian}};
    }
    void Move(ScreenPoint hotSpot) { offset = MoveIndicator(hotSpot, offset, {32, 32}, shown, input, indicator); }

    FakeInputCursor input;
    LanguageShown shown;
    FakeIndicator indicator{shown};
    IndicatorOffset offset;
};

TEST(ChooseTickAction, LeftShiftWithTheMiddleButtonOpensTheMenu) {
    FakeInputCursor input;
    input.keysHeld = {virtual_key::kLeftShift, virtual_key::kMiddleButton};
    EXPECT_EQ(ChooseTickAction(input, false), TickAction::OpenMenu);
}

TEST(ChooseTickAction, AnyOtherKeysFollowTheCursor) {
    FakeInputCursor input;
    const std::set<int> others[] = {{},
                                    {virtual_key::kLeftShift},
                                    {virtual_key::kMiddleButton},
                                    {kRightShift, virtual_key::kMiddleButton},
                                    {kShift, virtual_key::kMiddleButton}};
    for (const std::set<int>& keys : others) {
        input.keysHeld = keys;
        EXPECT_EQ(ChooseTickAction(input, false), TickAction::FollowCursor) << keys.size() << " keys held";
    }
}

TEST(ChooseTickAction, WhileTheMenuIsOpenTheTickWaits) {
    FakeInputCursor input;
    input.keysHeld = {virtual_key::kLeftShift, virtual_key::kMiddleButton};
    EXPECT_EQ(ChooseTickAction(input, true), TickAction::Wait) << "no second menu";
    input.keysHeld.clear();
    EXPECT_EQ(ChooseTickAction(input, true), TickAction::Wait) << "the indicator must not cover the menu";
}

TEST_F(MoveIndicatorTest, TheFirstTickDerivesTheCodeAndPaints) {
    Move({10, 10});  // over no window: the thread's own layout
    EXPECT_EQ(shown.sLangCode, L"EN");
    EXPECT_EQ(shown.nLayout, kEnglishUs);
    EXPECT_EQ(indicator.repaints, std::vector<std::wstring>{L"EN"});
    ASSERT_EQ(indicator.placements.size(), 1u);
}

TEST_F(MoveIndicatorTest, AnUnchangedLayoutIsNotReadAgainButTheIndicatorStillMoves) {
    const ScreenPoint elsewhereOverEditor{kOverEditor.x + 5, kOverEditor.y};
    input.windowsAt[{elsewhereOverEditor.x, elsewhereOverEditor.y}] = kEditor;
    Move(kOverEditor);
    Move(kOverEditor);
    Move(elsewhereOverEditor);
    EXPECT_EQ(input.languageLookups, 1);
    EXPECT_EQ(indicator.repaints.size(), 1u);
    EXPECT_EQ(indicator.placements.size(), 3u) << "placed on every tick, moved or not";
}

TEST_F(MoveIndicatorTest, MovingIntoAWindowOfAnotherLanguageChangesTheCode) {
    Move(kOverEditor);
    EXPECT_EQ(shown.sLangCode, L"DE");
    Move(kOverBrowser);
    EXPECT_EQ(shown.sLangCode, L"RU");
    EXPECT_EQ(indicator.repaints, (std::vector<std::wstring>{L"DE", L"RU"}));
}

TEST_F(MoveIndicatorTest, AnotherLayoutOfTheSameLanguageRepaintsTheSameLetters) {
    input.layouts[kEditor] = kEnglishUs;
    Move(kOverEditor);
    input.layouts[kEditor] = kEnglishDvorak;
    Move(kOverEditor);
    EXPECT_EQ(shown.nLayout, kEnglishDvorak) << "the handle is compared as a whole";
    EXPECT_EQ(indicator.repaints, (std::vector<std::wstring>{L"EN", L"EN"}));
}

TEST_F(MoveIndicatorTest, OverTheIndicatorItselfTheLanguageIsNotReadButItStillMoves) {
    Move(kOverEditor);
    input.threadLayout = kRussian;
    input.layouts[kIndicator] = kRussian;
    Move(kOverIndicator);
    EXPECT_EQ(shown.sLangCode, L"DE");
    EXPECT_EQ(shown.nLayout, kGerman);
    EXPECT_EQ(input.languageLookups, 1);
    ASSERT_EQ(indicator.placements.size(), 2u);
    EXPECT_EQ(indicator.placements.back(), (ScreenPoint{kOverIndicator.x + 12, kOverIndicator.y + 18}));
}

TEST_F(MoveIndicatorTest, AHiddenIndicatorReadsAndChangesNothing) {
    indicator.visible = false;
    offset = {-10, -10};
    Move(kOverEditor);
    EXPECT_EQ(input.languageLookups, 0);
    EXPECT_TRUE(shown.sLangCode.empty());
    EXPECT_EQ(shown.nLayout, 0u) << "the next tick after showing reads the language";
    EXPECT_TRUE(indicator.repaints.empty());
    EXPECT_TRUE(indicator.placements.empty());
    EXPECT_EQ(offset, (IndicatorOffset{-10, -10}));
}

TEST_F(MoveIndicatorTest, ALanguageWithoutANameShowsThePlaceholder) {
    input.languageNames.clear();
    Move(kOverEditor);
    EXPECT_EQ(shown.sLangCode, L"??");
    EXPECT_EQ(indicator.repaints, std::vector<std::wstring>{L"??"});
}

TEST_F(MoveIndicatorTest, AThreeLetterNameIsShownWhole) {
    input.languageNames[0x0464] = L"fil";
    input.layouts[kEditor] = 0x04640464;
    Move(kOverEditor);
    EXPECT_EQ(shown.sLangCode, L"FIL");
}

TEST_F(MoveIndicatorTest, ThePlacementUsesTheSizeOfTheRepaintedIndicator) {
    indicator.widthPixels = 100;
    Move(kOverEditor);  // "DE" repaints it 20 pixels wide
    ASSERT_EQ(indicator.placements.size(), 1u);
    EXPECT_EQ(indicator.placements[0].x, kOverEditor.x + 12) << "32 - 20, not the 8 of the old width";
}

TEST_F(MoveIndicatorTest, OffsetsThatReachTheHotSpotAreResetInMemoryAndPlacedAutomatically) {
    offset = {0, -10};
    Move(kOverEditor);
    EXPECT_EQ(offset, (IndicatorOffset{0, 0}));
    EXPECT_EQ(indicator.placements[0], (ScreenPoint{kOverEditor.x + 12, kOverEditor.y + 18}));
}

TEST_F(MoveIndicatorTest, FixedOffsetsArePlacedAsStored) {
    offset = {-30, -20};
    Move(kOverEditor);
    EXPECT_EQ(offset, (IndicatorOffset{-30, -20}));
    EXPECT_EQ(indicator.placements[0], (ScreenPoint{kOverEditor.x - 30, kOverEditor.y - 20}));
}

} // namespace
} // namespace morvane
