#pragma once
// Conversion between the program's Unicode texts and the system's ANSI code
// page, in which texts cross the platform boundary.
#include <string>
#include <string_view>

namespace morvane {

class AnsiCodePage {
public:
    virtual ~AnsiCodePage() = default;
    virtual std::wstring Decode(std::string_view bytes) const = 0;
    // Characters without a code in the page become the page's default character.
    virtual std::string Encode(std::wstring_view text) const = 0;
};

} // namespace morvane
