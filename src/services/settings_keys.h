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
// The display options.
inline constexpr wchar_t kShow[] = L"Show";
inline constexpr wchar_t kShowSeconds[] = L"ShowSeconds";
inline constexpr wchar_t kFullScreen[] = L"FullScreen";
inline constexpr wchar_t kKeepInside[] = L"KeepInside";
inline constexpr wchar_t kCountry[] = L"Country";
inline constexpr wchar_t kCapsMark[] = L"CapsMark";
inline constexpr wchar_t kNoCapture[] = L"NoCapture";

// Own texts for layouts: key = the layout handle in eight hexadecimal digits.
inline constexpr wchar_t kLabels[] = L"Labels";

inline constexpr wchar_t kFont[] = L"Font";  // the section of the indicator's font

inline constexpr wchar_t kShowColor[] = L"ShowColor";  // the section of the key below
inline constexpr wchar_t kCustom[] = L"Custom";        // the colour picker's custom colours

} // namespace morvane::settings_key
