#pragma once
// The code the indicator shows for a keyboard layout's language.
#include <string>
#include <string_view>

namespace morvane {

// Shown when the system has no ISO 639 name for the language.
inline constexpr std::wstring_view kUnknownLanguageCode = L"??";

// The ISO 639 name in upper case: "de" gives "DE", a three-letter name such
// as "fil" gives "FIL". An empty name (the lookup wrote nothing) gives
// kUnknownLanguageCode, so the indicator never goes blank or stale.
std::wstring LanguageCode(std::wstring_view iso639Name);

} // namespace morvane
