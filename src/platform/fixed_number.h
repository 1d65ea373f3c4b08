#pragma once
// The settings number: signed 64-bit fixed point with exactly four fractional
// digits, the type of every number read from or written to the settings file;
// and the half-to-even rounding the geometry rules share.
#include <compare>
#include <cstdint>

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
    constexpr std::int64_t Scaled() const { return scaled_; }
    double ToDouble() const;
    // Made whole: nearest whole number, a half to the even neighbour.
    std::int64_t Whole() const;

    friend constexpr auto operator<=>(SettingsNumber, SettingsNumber) = default;

private:
    std::int64_t scaled_ = 0;
};

// A double made whole, a half to the even neighbour; held at the 64-bit
// limits beyond them, and 0 for not-a-number.
std::int64_t RoundHalfEven(double value);

// Whole-number division as the geometry rules use it: both operands made whole
// (a half to the even neighbour), then the quotient truncated. A divisor that
// is 0 once made whole gives 0.
std::int64_t WholeQuotient(double dividend, double divisor);

} // namespace morvane
