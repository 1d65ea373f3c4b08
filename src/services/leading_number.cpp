#include "services/leading_number.h"

#include <algorithm>
#include <limits>

namespace morvane {

namespace {

constexpr std::size_t kMaxReadLength = 254;
// Any exponent beyond this gives 0 or a value out of every range we use, so
// larger ones are held at it instead of overflowing.
constexpr std::int64_t kExponentLimit = 1'000'000'000;
constexpr std::uint64_t kLargest32BitPattern = 0xFFFFFFFFu;

bool IsIgnored(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\n'; }

std::wstring SignificantCharacters(std::wstring_view text) {
    text = text.substr(0, std::min(text.size(), kMaxReadLength));
    std::wstring result;
    result.reserve(text.size());
    for (const wchar_t c : text) {
        if (!IsIgnored(c)) result.push_back(c);
    }
    return result;
}

std::optional<unsigned> DigitValue(wchar_t c, unsigned base) {
    unsigned value = 0;
    if (c >= L'0' && c <= L'9') {
        value = static_cast<unsigned>(c - L'0');
    } else if (c >= L'a' && c <= L'f') {
        value = static_cast<unsigned>(c - L'a') + 10;
    } else if (c >= L'A' && c <= L'F') {
        value = static_cast<unsigned>(c - L'A') + 10;
    } else {
        return std::nullopt;
    }
    if (value >= base) return std::nullopt;
    return value;
}

void StripLeadingZeros(std::string& digits) {
    digits.erase(0, std::min(digits.find_first_not_of('0'), digits.size()));
}

// digits = digits * base + digit, in decimal digits.
void MultiplyAdd(std::string& digits, unsigned base, unsigned digit) {
    unsigned carry = digit;
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        const unsigned value = static_cast<unsigned>(*it - '0') * base + carry;
        *it = static_cast<char>('0' + value % 10);
        carry = value / 10;
    }
    for (; carry != 0; carry /= 10) digits.insert(digits.begin(), static_cast<char>('0' + carry % 10));
}

DecimalNumber ScanRadixDigits(std::wstring_view text, unsigned base) {
    DecimalNumber number;
    std::uint64_t value = 0;
    bool beyond64Bits = false;
    for (const wchar_t c : text) {
        const std::optional<unsigned> digit = DigitValue(c, base);
        if (!digit) break;
        MultiplyAdd(number.digits, base, *digit);
        if (value > (std::numeric_limits<std::uint64_t>::max() - *digit) / base) beyond64Bits = true;
        if (!beyond64Bits) value = value * base + *digit;
    }
    if (!beyond64Bits && value <= kLargest32BitPattern) {
        // Up to 32 bits the digits are a signed 32-bit pattern: "&HFFFFFFFF" is -1.
        // Wider values keep their unsigned size.
        const auto pattern = static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
        number.negative = pattern < 0;
        number.digits = std::to_string(number.negative ? -std::int64_t{pattern} : std::int64_t{pattern});
    }
    StripLeadingZeros(number.digits);
    if (number.digits.empty()) return {};
    return number;
}

bool IsExponentLetter(wchar_t c) { return c == L'E' || c == L'e' || c == L'D' || c == L'd'; }
bool IsDecimalDigit(wchar_t c) { return c >= L'0' && c <= L'9'; }

DecimalNumber ScanDecimal(std::wstring_view text) {
    DecimalNumber number;
    std::size_t pos = 0;
    if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
        number.negative = text[pos] == L'-';
        ++pos;
    }
    bool point = false;
    std::int64_t fractionDigits = 0;
    for (; pos < text.size(); ++pos) {
        if (IsDecimalDigit(text[pos])) {
            number.digits.push_back(static_cast<char>(text[pos]));
            if (point) ++fractionDigits;
        } else if (text[pos] == L'.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (number.digits.empty()) return {};

    std::int64_t exponent = 0;
    bool negativeExponent = false;
    if (pos < text.size() && IsExponentLetter(text[pos])) {
        ++pos;
        if (pos < text.size() && (text[pos] == L'+' || text[pos] == L'-')) {
            negativeExponent = text[pos] == L'-';
            ++pos;
        }
        for (; pos < text.size() && IsDecimalDigit(text[pos]); ++pos) {
            exponent = std::min(exponent * 10 + (text[pos] - L'0'), kExponentLimit);
        }
    }
    number.exponent = (negativeExponent ? -exponent : exponent) - fractionDigits;
    StripLeadingZeros(number.digits);
    if (number.digits.empty()) return {};
    return number;
}

bool AppendDigit(std::uint64_t& value, unsigned digit) {
    if (value > (std::numeric_limits<std::uint64_t>::max() - digit) / 10) return false;
    value = value * 10 + digit;
    return true;
}

unsigned DigitAt(const std::string& digits, std::int64_t index) {
    return static_cast<unsigned>(digits[static_cast<std::size_t>(index)] - '0');
}

} // namespace

DecimalNumber ScanLeadingNumber(std::wstring_view text) {
    const std::wstring significant = SignificantCharacters(text);
    const std::wstring_view view = significant;
    if (!view.empty() && view[0] == L'&') {
        if (view.size() < 2) return {};
        if (view[1] == L'H' || view[1] == L'h') return ScanRadixDigits(view.substr(2), 16);
        if (view[1] == L'O' || view[1] == L'o') return ScanRadixDigits(view.substr(2), 8);
        return {};
    }
    return ScanDecimal(view);
}

std::optional<std::int64_t> ScaleHalfEven(const DecimalNumber& number, int fractionDigits) {
    if (number.digits.empty()) return 0;
    const auto digitCount = static_cast<std::int64_t>(number.digits.size());
    const std::int64_t shift = number.exponent + fractionDigits;
    std::uint64_t magnitude = 0;
    if (shift >= 0) {
        // Without leading zeros, more than 20 digits cannot fit 64 bits.
        if (digitCount + shift > 20) return std::nullopt;
        for (std::int64_t i = 0; i < digitCount; ++i) {
            if (!AppendDigit(magnitude, DigitAt(number.digits, i))) return std::nullopt;
        }
        for (std::int64_t i = 0; i < shift; ++i) {
            if (!AppendDigit(magnitude, 0)) return std::nullopt;
        }
    } else {
        const std::int64_t kept = digitCount + shift;  // may be negative: all digits dropped
        if (kept > 20) return std::nullopt;
        for (std::int64_t i = 0; i < kept; ++i) {
            if (!AppendDigit(magnitude, DigitAt(number.digits, i))) return std::nullopt;
        }
        // With kept < 0 the first dropped digit is an implicit 0: below a half.
        if (kept >= 0) {
            const unsigned firstDropped = DigitAt(number.digits, kept);
            const bool moreAfter = number.digits.find_first_not_of('0', static_cast<std::size_t>(kept) + 1) !=
                                   std::string::npos;
            const bool up = firstDropped > 5 || (firstDropped == 5 && (moreAfter || magnitude % 2 == 1));
            if (up && magnitude == std::numeric_limits<std::uint64_t>::max()) return std::nullopt;
            if (up) ++magnitude;
        }
    }
    constexpr auto kMaxPositive = static_cast<std::uint64_t>(std::numeric_limits<std::int64_t>::max());
    if (number.negative) {
        if (magnitude > kMaxPositive + 1) return std::nullopt;
        if (magnitude == kMaxPositive + 1) return std::numeric_limits<std::int64_t>::min();
        return -static_cast<std::int64_t>(magnitude);
    }
    if (magnitude > kMaxPositive) return std::nullopt;
    return static_cast<std::int64_t>(magnitude);
}

} // namespace morvane
