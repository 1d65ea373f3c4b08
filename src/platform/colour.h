#pragma once
// Colours as the program holds them.
#include <array>
#include <cstdint>

namespace morvane {

using Colour = std::uint32_t;  // 0x00BBGGRR
// With this bit set a colour is the system colour whose index is in the low byte.
inline constexpr Colour kSystemColourFlag = 0x80000000u;
// The sixteen custom colours of the colour picker.
using CustomColours = std::array<std::int32_t, 16>;

} // namespace morvane
