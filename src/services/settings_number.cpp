#include "services/settings_number.h"

#include <cmath>
#include <limits>

#include "services/decimal_text.h"
#include "services/leading_number.h"

namespace morvane {

namespace {

constexpr int kFractionDigits = 4;
constexpr std::uint64_t kUnsignedScale = SettingsNumber::kScale;

std::optional<SettingsNumber> ToSettingsNumber(const DecimalNumber& number) {
    const std::optional<std::int64_t> scaled = ScaleHalfEven(number, kFractionDigits);
    if (!scaled) return std::nullopt;
    return SettingsNumber::FromScaled(*scaled);
}

} // namespace

double SettingsNumber::ToDouble() const {
    return static_cast<double>(scaled_) / static_cast<double>(kScale);
}

std::int64_t SettingsNumber::Whole() const {
    constexpr std::int64_t kHalf = kScale / 2;
    std::int64_t whole = scaled_ / kScale;
    const std::int64_t rest = scaled_ % kScale;  // carries the sign of scaled_
    const bool odd = whole % 2 != 0;
    if (rest > kHalf || (rest == kHalf && odd)) ++whole;
    if (rest < -kHalf || (rest == -kHalf && odd)) --whole;
    return whole;
}

std::optional<SettingsNumber> ReadSettingsNumber(std::wstring_view text) {
    return ToSettingsNumber(ScanLeadingNumber(text));
}

std::wstring NumberText(SettingsNumber value) {
    const std::int64_t scaled = value.Scaled();
    // Unsigned, so that the most negative value has a magnitude too.
    const std::uint64_t magnitude = scaled < 0 ? 0 - static_cast<std::uint64_t>(scaled)
                                               : static_cast<std::uint64_t>(scaled);
    const std::uint64_t whole = magnitude / kUnsignedScale;
    const std::uint64_t fraction = magnitude % kUnsignedScale;

    std::wstring text = scaled < 0 ? L"-" : L"";
    if (whole != 0 || fraction == 0) text += DecimalText(whole);
    if (fraction != 0) {
        std::wstring digits = DecimalText(fraction + kUnsignedScale).substr(1);
        digits.erase(digits.find_last_not_of(L'0') + 1);
        text += L'.';
        text += digits;
    }
    return text;
}

std::int64_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    const double lower = std::floor(value);
    const double rest = value - lower;
    const double rounded = rest > 0.5 || (rest == 0.5 && std::fmod(lower, 2.0) != 0.0) ? lower + 1.0 : lower;
    constexpr double kTwoTo63 = 9223372036854775808.0;
    if (rounded >= kTwoTo63) return std::numeric_limits<std::int64_t>::max();
    if (rounded < -kTwoTo63) return std::numeric_limits<std::int64_t>::min();
    return static_cast<std::int64_t>(rounded);
}

} // namespace morvane
