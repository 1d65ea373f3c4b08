#pragma once
// The system's MulDiv, which the font dialog's sizes depend on.
#include <cstdint>

namespace morvane {

// number * numerator / denominator through a 64-bit product, to the nearest
// whole number with a half going away from zero; -1 when the denominator is
// 0 or the result does not fit 32 bits.
std::int32_t MulDiv(std::int32_t number, std::int32_t numerator, std::int32_t denominator);

} // namespace morvane
