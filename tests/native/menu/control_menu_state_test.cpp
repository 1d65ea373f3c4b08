#include "menu/control_menu_state.h"

#include <gtest/gtest.h>

namespace morvane {
namespace {

std::uint16_t IdOf(PopupItem item) {
    return DesignOf(item).commandId;
}

std::vector<int> CheckedMargins(const ControlMenuState& state) {
    std::vector<int> checked;
    for (int index = 0; index < kMarginItemCount; ++index)
        if (state.MarginChecked(index)) checked.push_back(index);
    return checked;
}

// The margin command as it changes the marks: the old item off, the new on.
void ChooseMargin(ControlMenuState& state, int oldMargin, int newMargin) {
    state.SetMarginChecked(oldMargin, false);
    state.SetMarginChecked(newMargin, true);
}

void Open(ControlMenuState& state, bool autostartOn, int marginWidth) {
    ASSERT_TRUE(state.BeginOpening({autostartOn, marginWidth}).has_value());
    state.EndOpening();
}

TEST(ControlMenuState, StartsWithNothingCheckedAndBackColourEnabled) {
    const ControlMenuState state;
    EXPECT_FALSE(state.TransparentChecked());
    EXPECT_TRUE(state.BackColorEnabled());
    EXPECT_FALSE(state.StartChecked());
    EXPECT_TRUE(CheckedMargins(state).empty());
    EXPECT_FALSE(state.IsOpen());
}

TEST(ControlMenuState, BackColourIsEnabledExactlyWhileNotTransparent) {
    ControlMenuState state;
    EXPECT_EQ(state.SetTransparentChecked(true),
              (MarkChanges{{IdOf(PopupItem::Transparent), ItemMark::Checked, true},
                           {IdOf(PopupItem::BackColor), ItemMark::Enabled, false}}));
    EXPECT_TRUE(state.TransparentChecked());
    EXPECT_FALSE(state.BackColorEnabled());

    EXPECT_EQ(state.SetTransparentChecked(false),
              (MarkChanges{{IdOf(PopupItem::Transparent), ItemMark::Checked, false},
                           {IdOf(PopupItem::BackColor), ItemMark::Enabled, true}}));
    EXPECT_TRUE(state.BackColorEnabled());
}

TEST(ControlMenuState, MarginIndexOutsideTheItemsChangesNothing) {
    ControlMenuState state;
    EXPECT_TRUE(state.SetMarginChecked(10, true).empty());
    EXPECT_TRUE(state.SetMarginChecked(-1, true).empty());
    EXPECT_TRUE(CheckedMargins(state).empty());
    EXPECT_FALSE(state.MarginChecked(10));
}

TEST(ControlMenuState, AllMarksCoverEveryStateItem) {
    ControlMenuState state;
    state.SetTransparentChecked(true);
    state.SetMarginChecked(3, true);
    const MarkChanges marks = state.AllMarks();
    ASSERT_EQ(marks.size(), 3u + kMarginItemCount);
    EXPECT_EQ(marks[0], (MarkChange{IdOf(PopupItem::Transparent), ItemMark::Checked, true}));
    EXPECT_EQ(marks[1], (MarkChange{IdOf(PopupItem::BackColor), ItemMark::Enabled, false}));
    EXPECT_EQ(marks[2], (MarkChange{IdOf(PopupItem::Start), ItemMark::Checked, false}));
    for (int index = 0; index < kMarginItemCount; ++index)
        EXPECT_EQ(marks[3 + index], (MarkChange{MarginCommandId(index), ItemMark::Checked, index == 3}));
}

TEST(ControlMenuOpening, ChecksStartExactlyWhenAutostartIsOn) {
    ControlMenuState state;
    const auto on = state.BeginOpening({true, 1});
    ASSERT_TRUE(on.has_value());
    EXPECT_EQ(on->front(), (MarkChange{IdOf(PopupItem::Start), ItemMark::Checked, true}));
    EXPECT_TRUE(state.StartChecked());
    state.EndOpening();

    Open(state, false, 1);
    EXPECT_FALSE(state.StartChecked()) << "autostart switched off elsewhere must clear the mark";
}

TEST(ControlMenuOpening, MarginZeroFromTheSettingsIsCheckedAtTheFirstOpening) {
    ControlMenuState state;
    const auto marks = state.BeginOpening({false, 0});
    ASSERT_TRUE(marks.has_value());
    EXPECT_EQ(marks->back(), (MarkChange{MarginCommandId(0), ItemMark::Checked, true}));
    EXPECT_EQ(CheckedMargins(state), std::vector<int>{0});
}

TEST(ControlMenuOpening, AfterChoosingMarginFourOnlyItemFourIsChecked) {
    ControlMenuState state;
    Open(state, false, 1);
    ASSERT_EQ(CheckedMargins(state), std::vector<int>{1});
    ChooseMargin(state, 1, 4);
    Open(state, false, 4);
    EXPECT_EQ(CheckedMargins(state), std::vector<int>{4});
}

TEST(ControlMenuOpening, OnlyChecksTheMarginItemAndLeavesTheOthers) {
    ControlMenuState state;
    state.SetMarginChecked(3, true);
    Open(state, false, 5);
    EXPECT_EQ(CheckedMargins(state), (std::vector<int>{3, 5}));
}

TEST(ControlMenuOpening, MarginOutsideTheItemsChecksNoMarginItem) {
    ControlMenuState state;
    Open(state, false, 12);
    EXPECT_TRUE(CheckedMargins(state).empty());
}

TEST(ControlMenuOpening, SecondOpeningWhileOpenIsRefusedAndChangesNothing) {
    ControlMenuState state;
    ASSERT_TRUE(state.BeginOpening({false, 2}).has_value());
    EXPECT_TRUE(state.IsOpen());

    EXPECT_FALSE(state.BeginOpening({true, 6}).has_value());
    EXPECT_FALSE(state.StartChecked());
    EXPECT_FALSE(state.MarginChecked(6));

    state.EndOpening();
    EXPECT_FALSE(state.IsOpen());
    EXPECT_TRUE(state.BeginOpening({true, 6}).has_value()) << "a closed menu must open again";
}

} // namespace
} // namespace morvane
