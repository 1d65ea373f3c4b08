#include "menu/control_menu_items.h"

#include <algorithm>

#include "services/decimal_text.h"
#include "services/utilities.h"

namespace morvane {

int PositionOf(PopupItem item) {
    const auto found = std::find_if(kPopupItems.begin(), kPopupItems.end(),
                                    [item](const PopupItemDesign& design) { return design.item == item; });
    return static_cast<int>(found - kPopupItems.begin());
}

const PopupItemDesign& DesignOf(PopupItem item) {
    return kPopupItems[static_cast<std::size_t>(PositionOf(item))];
}

std::wstring MarginCaption(int index) {
    return L"&" + DecimalText(index) + L" px";
}

std::wstring MenuDialogTitle(std::wstring_view trademarks, PopupItem item) {
    return std::wstring(trademarks) + L" - " + StripMnemonics(DesignOf(item).caption);
}

} // namespace morvane
