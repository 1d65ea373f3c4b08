#pragma once
// The settings number: signed 64-bit fixed point with exactly four fractional
// digits, the type of every number read from or written to the settings file.
#include <compare>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace morvane {

class SettingsNumber {
public:
    static constexpr std::int64_t kScale = 10000;

    constexpr SettingsNumber() = default;
    constexpr SettingsNumber(std::int32_t whole) : scaled_(std::int64_t{whole} * kScale) {}
    static constexpr SettingsNumber FromScaled(std::int64_t scaled) {
        SettingsNumber n;
        n.scaled_ = scaled;
        return n;
    }
    // The nearest four-digit fraction (a half to the even neighbour);
    // nothing when the value is outside the range or not finite. The double
    // counts as the shortest decimal that reads back as it, so 0.00015 is the
    // half it was written as (and goes to .0002), not the binary value just
    // below it.
    static std::optional<SettingsNumber> FromDouble(double value);

    constexpr std::int64_t Scaled() const { return scaled_; }
    double ToDouble() const;
    // Made whole: nearest whole number, a half to the even neighbour.
    std::int64_t Whole() const;

    friend constexpr auto operator<=>(SettingsNumber, SettingsNumber) = default;

private:
    std::int64_t scaled_ = 0;
};

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

// A double made whole, a half to the even neighbour; held at the 64-bit
// limits beyond them, and 0 for not-a-number.
std::int64_t RoundHalfEven(double value);

} // namespace morvane
