#pragma once
// A window as portable code sees it: the system's window handle as a number.
#include <cstdint>

namespace morvane {

using WindowId = std::uintptr_t;
constexpr WindowId kNoWindow = 0;

} // namespace morvane
