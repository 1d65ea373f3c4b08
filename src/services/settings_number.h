#pragma once
// Reading and writing settings numbers as text.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/fixed_number.h"

namespace morvane {

// The leading-number rule (ScanLeadingNumber) taken straight to the nearest four-digit fraction
// from the decimal digits as written (a half to the even neighbour); nothing
// when the result is outside the settings-number range.
std::optional<SettingsNumber> ReadSettingsNumber(std::wstring_view text);

// Number text: shortest decimal form (8, -150, 1.5, .5, -.25).
std::wstring NumberText(SettingsNumber value);

} // namespace morvane
