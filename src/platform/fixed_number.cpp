#include "platform/fixed_number.h"

#include <cmath>
#include <limits>

namespace morvane {

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

std::int64_t WholeQuotient(double dividend, double divisor) {
    const std::int64_t whole = RoundHalfEven(divisor);
    if (whole == 0) return 0;
    return RoundHalfEven(dividend) / whole;
}

} // namespace morvane
