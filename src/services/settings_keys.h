#pragma once
// The sections and keys of the settings file, spelled once.
namespace morvane::settings_key {

inline constexpr wchar_t kMain[] = L"Main";  // the section of the keys below
inline constexpr wchar_t kBackColor[] = L"BackColor";
inline constexpr wchar_t kForeColor[] = L"ForeColor";
inline constexpr wchar_t kMargin[] = L"Margin";
inline constexpr wchar_t kShiftX[] = L"ShiftX";
inline constexpr wchar_t kShiftY[] = L"ShiftY";
inline constexpr wchar_t kTransparent[] = L"Transparent";
inline constexpr wchar_t kSilent[] = L"Silent";

inline constexpr wchar_t kFont[] = L"Font";  // the section of the indicator's font

inline constexpr wchar_t kShowColor[] = L"ShowColor";  // the section of the key below
inline constexpr wchar_t kCustom[] = L"Custom";        // the colour picker's custom colours

} // namespace morvane::settings_key
