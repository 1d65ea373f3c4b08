#pragma once
// A rectangle on the screen.
#include <cstdint>

namespace morvane {

// Screen pixels, right and bottom just past the last pixel.
struct ScreenRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
    friend bool operator==(const ScreenRect&, const ScreenRect&) = default;
};

} // namespace morvane
