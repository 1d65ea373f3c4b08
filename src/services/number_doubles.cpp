// The conversions between the exact settings numbers and doubles. They sit
// apart so that a program that never calls them does not link the C++
// library's floating-point text conversion (its tables alone are some
// hundred kilobytes).
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <system_error>

#include "services/leading_number.h"
#include "services/settings_number.h"

namespace morvane {

double ToDouble(const DecimalNumber& number) {
    if (number.digits.empty()) return 0.0;
    const std::string text = number.digits + "e" + std::to_string(number.exponent);
    double value = 0.0;
    const std::from_chars_result result = std::from_chars(text.data(), text.data() + text.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool huge = static_cast<std::int64_t>(number.digits.size()) + number.exponent > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return number.negative ? -value : value;
}

double ReadLeadingNumber(std::wstring_view text) {
    return ToDouble(ScanLeadingNumber(text));
}

std::optional<SettingsNumber> SettingsNumber::FromDouble(double value) {
    if (!std::isfinite(value)) return std::nullopt;
    // The shortest round-trip form of a double has at most 24 characters.
    std::array<char, 32> buffer{};
    const std::to_chars_result written = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value);
    if (written.ec != std::errc{}) return std::nullopt;
    return ReadSettingsNumber(std::wstring(buffer.data(), written.ptr));
}

} // namespace morvane
