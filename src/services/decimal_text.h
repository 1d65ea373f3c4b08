#pragma once
// Whole numbers as decimal text. std::to_wstring would do, but it formats
// through the C library's printf and links its floating-point half too.
#include <cstdint>
#include <string>

namespace morvane {

inline std::wstring DecimalText(std::int64_t value) {
    const std::string digits = std::to_string(value);
    return std::wstring(digits.begin(), digits.end());
}

} // namespace morvane
