#pragma once
// The items of the control menu as designed: order, captions, kinds and the
// command identifiers under which the native menu reports a choice.
#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace morvane {

enum class MenuItemKind {
    Default,    // the bold item that only closes the menu
    Command,
    Check,
    Submenu,
    Separator,
};

// The items of the control menu (the submenu of `mPopup`), top to bottom.
enum class PopupItem {
    Close,        // mPopupClose
    Font,         // mPopupFont
    BackColor,    // mPopupBackColor
    Transparent,  // mPopupTransparent
    Position,     // mPopupPosition
    SetMargin,    // mPopupSetMargin, holds the mPopupMargin items
    Display,      // the display options' submenu
    Start,        // mPopupStart
    Separator,    // mPopupSeparator
    About,        // mPopupAbout
    Exit,         // mPopupExit
};

struct PopupItemDesign {
    PopupItem item;
    std::wstring_view caption;  // "&" marks the access key, "&&" is a literal "&"
    MenuItemKind kind;
    std::uint16_t commandId;  // 0 for the separator and the submenu, which cannot be chosen
};

inline constexpr std::wstring_view kPopupCaption = L"Popup";
inline constexpr int kMarginItemCount = 10;

// Command identifiers; the margin items take kMarginCommandBase + index.
inline constexpr std::uint16_t kMarginCommandBase = 200;

// mPopupClose is designed without a caption; its caption is set at load.
inline constexpr std::array<PopupItemDesign, 11> kPopupItems{{
    {PopupItem::Close, L"", MenuItemKind::Default, 100},
    {PopupItem::Font, L"Set &Font && Color...", MenuItemKind::Command, 101},
    {PopupItem::BackColor, L"Set &Background Color...", MenuItemKind::Command, 102},
    {PopupItem::Transparent, L"&Transparent Background", MenuItemKind::Check, 103},
    {PopupItem::Position, L"Set &Position...", MenuItemKind::Command, 104},
    {PopupItem::SetMargin, L"Set &Margin Width", MenuItemKind::Submenu, 0},
    {PopupItem::Display, L"&Display", MenuItemKind::Submenu, 0},
    {PopupItem::Start, L"Start with &Windows", MenuItemKind::Check, 106},
    {PopupItem::Separator, L"-", MenuItemKind::Separator, 0},
    {PopupItem::About, L"&About...", MenuItemKind::Command, 108},
    {PopupItem::Exit, L"&Quit", MenuItemKind::Command, 109},
}};

const PopupItemDesign& DesignOf(PopupItem item);
constexpr std::uint16_t CommandIdOf(PopupItem item) {
    for (const PopupItemDesign& design : kPopupItems)
        if (design.item == item) return design.commandId;
    return 0;
}
// The item's position in the control menu, counted from 0.
int PositionOf(PopupItem item);

// A dialog opened from a menu item is titled with the trademark text, " - "
// and the item's caption as plain text: "Morvane3™ - Set Font & Color".
std::wstring MenuDialogTitle(std::wstring_view trademarks, PopupItem item);

// The caption given to mPopupClose at load: a tab, so that the rest is drawn
// at the right end of the line, and a diagonal cross. It goes to the system
// as wide characters, independent of the ANSI code page.
inline constexpr std::wstring_view kCloseCaption = L"\t\u2573";

// "&0 px" .. "&9 px".
std::wstring MarginCaption(int index);
constexpr std::uint16_t MarginCommandId(int index) {
    return static_cast<std::uint16_t>(kMarginCommandBase + index);
}

} // namespace morvane
