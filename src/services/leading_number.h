#pragma once
// The leading-number rule as an exact decimal, so that rounding to four
// fractional digits sees the digits as written rather than a binary
// approximation of them ("0.00015" is a true half and goes to .0002).
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

// value = (negative ? -1 : 1) * digits * 10^exponent; no digits means zero.
struct DecimalNumber {
    bool negative = false;
    std::string digits;  // '0'..'9', no leading zeros
    std::int64_t exponent = 0;
};

// The leading-number rule. Blanks, tabs and line feeds are ignored wherever
// they stand; an optional sign, digits, at most one point and an optional
// exponent ("E" or "D", either case) are taken from the start; "&H"
// introduces hexadecimal and "&O" octal digits; reading stops at the first
// character that cannot continue the number; no number at the start gives 0.
// At most the first 254 characters are read. Hexadecimal and octal values of
// up to 32 bits read as signed 32-bit numbers (so "&HFFFFFFFF" is -1);
// longer ones keep their unsigned value.
DecimalNumber ScanLeadingNumber(std::wstring_view text);

// The number times 10^fractionDigits, made whole with a half going to the
// even neighbour; nothing when that does not fit a signed 64-bit number.
std::optional<std::int64_t> ScaleHalfEven(const DecimalNumber& number, int fractionDigits);

} // namespace morvane
