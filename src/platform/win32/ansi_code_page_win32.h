#pragma once
// The system's ANSI code page (CP_ACP).
#include "platform/ansi_code_page.h"

namespace morvane::win32 {

class Win32AnsiCodePage : public AnsiCodePage {
public:
    std::wstring Decode(std::string_view bytes) const override;
    std::string Encode(std::wstring_view text) const override;
};

} // namespace morvane::win32
