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

// Reads the number at the start of text by the leading-number rule (see
// ReadLeadingNumber in settings_number.h).
DecimalNumber ScanLeadingNumber(std::wstring_view text);

// The number times 10^fractionDigits, made whole with a half going to the
// even neighbour; nothing when that does not fit a signed 64-bit number.
std::optional<std::int64_t> ScaleHalfEven(const DecimalNumber& number, int fractionDigits);

// The nearest double; out-of-range magnitudes give infinity or zero.
double ToDouble(const DecimalNumber& number);

} // namespace morvane
