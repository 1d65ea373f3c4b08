#include "position/position_title.h"

#include "services/utilities.h"

namespace morvane {

std::wstring PositionTitle(std::wstring_view trademarks, std::wstring_view menuCaption) {
    return std::wstring(trademarks) + L" - " + StripMnemonics(menuCaption);
}

} // namespace morvane
