#include "services/settings_number.h"

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

} // namespace morvane
