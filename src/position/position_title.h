#pragma once
// The position dialog's title.
#include <string>
#include <string_view>

namespace morvane {

// The program's trademark text, " - ", and the caption of the menu item that
// opens the dialog as plain text ("Set &Position..." gives "Set Position").
std::wstring PositionTitle(std::wstring_view trademarks, std::wstring_view menuCaption);

} // namespace morvane
