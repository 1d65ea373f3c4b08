#include "menu/control_menu_items.h"

#include <gtest/gtest.h>

#include <set>

namespace morvane {
namespace {

TEST(ControlMenuItems, AreInDesignedOrderWithCaptionsAndKinds) {
    struct Expected {
        PopupItem item;
        const wchar_t* caption;
        MenuItemKind kind;
    };
    const Expected expected[] = {
        {PopupItem::Close, L"", MenuItemKind::Default},
        {PopupItem::Font, L"Set &Font && Color...", MenuItemKind::Command},
        {PopupItem::BackColor, L"Set &Background Color...", MenuItemKind::Command},
        {PopupItem::Transparent, L"&Transparent Background", MenuItemKind::Check},
        {PopupItem::Position, L"Set &Position...", MenuItemKind::Command},
        {PopupItem::SetMargin, L"Set &Margin Width", MenuItemKind::Submenu},
        {PopupItem::Display, L"&Display", MenuItemKind::Submenu},
        {PopupItem::Start, L"Start with &Windows", MenuItemKind::Check},
        {PopupItem::Separator, L"-", MenuItemKind::Separator},
        {PopupItem::About, L"&About...", MenuItemKind::Command},
        {PopupItem::Exit, L"&Quit", MenuItemKind::Command},
    };
    ASSERT_EQ(kPopupItems.size(), std::size(expected));
    for (std::size_t i = 0; i < kPopupItems.size(); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(kPopupItems[i].item, expected[i].item);
        EXPECT_EQ(kPopupItems[i].caption, expected[i].caption);
        EXPECT_EQ(kPopupItems[i].kind, expected[i].kind);
        EXPECT_EQ(PositionOf(expected[i].item), static_cast<int>(i));
    }
}

TEST(ControlMenuItems, CloseCaptionIsTabAndDiagonalCross) {
    ASSERT_EQ(kCloseCaption.size(), 2u);
    EXPECT_EQ(kCloseCaption[0], L'\t');
    EXPECT_EQ(static_cast<unsigned>(kCloseCaption[1]), 0x2573u);
}

TEST(ControlMenuItems, MarginCaptionsAreAccessDigitAndPx) {
    EXPECT_EQ(MarginCaption(0), L"&0 px");
    EXPECT_EQ(MarginCaption(5), L"&5 px");
    EXPECT_EQ(MarginCaption(9), L"&9 px");
}

TEST(ControlMenuItems, EveryChoosableItemHasItsOwnCommandIdThatMapsBack) {
    std::set<unsigned> ids;
    for (const PopupItemDesign& design : kPopupItems) {
        if (design.commandId == 0) {
            EXPECT_TRUE(design.kind == MenuItemKind::Separator || design.kind == MenuItemKind::Submenu);
            continue;
        }
        EXPECT_TRUE(ids.insert(design.commandId).second) << "duplicate id " << design.commandId;
        const auto chosen = ChosenItemOf(design.commandId);
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->item, design.item);
    }
    for (int index = 0; index < kMarginItemCount; ++index) {
        EXPECT_TRUE(ids.insert(MarginCommandId(index)).second) << "margin id clashes: " << index;
        const auto chosen = ChosenItemOf(MarginCommandId(index));
        ASSERT_TRUE(chosen.has_value());
        EXPECT_EQ(chosen->item, PopupItem::SetMargin);
        EXPECT_EQ(chosen->marginIndex, index);
    }
}

TEST(ControlMenuItems, UnknownCommandIdsNameNoItem) {
    EXPECT_FALSE(ChosenItemOf(0).has_value());
    EXPECT_FALSE(ChosenItemOf(MarginCommandId(kMarginItemCount)).has_value());
    EXPECT_FALSE(ChosenItemOf(kMarginCommandBase - 1).has_value());
}

} // namespace
} // namespace morvane
