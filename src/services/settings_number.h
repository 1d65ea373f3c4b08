#pragma once
// Reading and writing settings numbers as text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/fixed_number.h"

namespace morvane {

// The leading-number rule. Blanks, tabs and line feeds are ignored wherever
// they stand; an optional sign, digits, at most one point and an optional
// exponent ("E" or "D", either case) are taken from the start; "&H"
// introduces hexadecimal and "&O" octal digits; reading stops at the first
// character that cannot continue the number; no number at the start gives 0.
// At most the first 254 characters are read. Hexadecimal and octal values of up to 32 bits read as
// signed 32-bit numbers (so "&HFFFFFFFF" is -1); longer ones keep their
// unsigned value.
double ReadLeadingNumber(std::wstring_view text);

// The leading-number rule taken straight to the nearest four-digit fraction
// from the decimal digits as written (a half to the even neighbour); nothing
// when the result is outside the settings-number range.
std::optional<SettingsNumber> ReadSettingsNumber(std::wstring_view text);

// Number text: shortest decimal form (8, -150, 1.5, .5, -.25).
std::wstring NumberText(SettingsNumber value);

} // namespace morvane
