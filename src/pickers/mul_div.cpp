#include "pickers/mul_div.h"

#include <cstdlib>
#include <limits>

namespace morvane {

std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator) {
    if (denominator == 0) return -1;
    const std::int64_t product = std::int64_t{number} * numerator;
    const std::int64_t divisor = std::abs(std::int64_t{denominator});
    const std::int64_t magnitude = (std::abs(product) + divisor / 2) / divisor;
    const bool negative = (product < 0) != (denominator < 0);
    // The limit is symmetric: the most negative 32-bit number counts as overflow.
    if (magnitude > std::numeric_limits<std::int32_t>::max()) return -1;
    return static_cast<std::int32_t>(negative ? -magnitude : magnitude);
}

} // namespace morvane
