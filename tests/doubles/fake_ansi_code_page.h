#pragma once
// Windows-1252 (western European) conversion for native tests: the code page
// most Windows machines in the west use, so "®" and "™" have single bytes.
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"

namespace morvane {

class FakeAnsiCodePage : public AnsiCodePage {
public:
    std::wstring Decode(std::string_view bytes) const override;
    // Characters outside the page become '?', as the system's default character.
    std::string Encode(std::wstring_view text) const override;
};

} // namespace morvane
