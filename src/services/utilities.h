#pragma once
// Small stateless text and number utilities shared by the windows and dialogs.
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/ansi_code_page.h"
#include "services/settings_number.h"

namespace morvane {

// The smaller / larger of two settings numbers, made whole (half to even);
// a result beyond 32 bits is held at the nearer 32-bit limit.
std::int32_t MinOf(SettingsNumber a, SettingsNumber b);
std::int32_t MaxOf(SettingsNumber a, SettingsNumber b);

// True when value lies between the two bounds, both included, in either order.
bool InRange(double value, double bound1, double bound2);

// The first (pattern length - text length) characters of pattern, then text;
// text unchanged when it is not shorter than the pattern.
std::wstring PadLeft(std::wstring_view text, std::wstring_view pattern);

std::int16_t BitOf(bool flag);

// Bytes to text, one character per byte in the ANSI code page. Stops at the
// first zero byte unless keepZeros. first/count default to the whole array;
// a range past the end stops at the end.
std::wstring BytesToText(const AnsiCodePage& ansi, std::span<const std::uint8_t> bytes,
                         std::optional<std::size_t> first = {}, std::optional<std::size_t> count = {},
                         bool keepZeros = false);

std::wstring RepeatText(std::wstring_view text, int count);

// "3.23" for version 3.23 revision 0; "3.05.0007" for 3.5 revision 7.
std::wstring VersionText(int major, int minor, int revision);

// A menu caption as plain title text: access-key "&" removed ("& " kept),
// a trailing "..." removed.
std::wstring StripMnemonics(std::wstring_view caption);

// The UTF-16 units of the character at index at: 2 for a whole surrogate
// pair, otherwise 1.
std::size_t CharacterLength(std::wstring_view text, std::size_t at);

// The longest beginning of text of at most maxUnits UTF-16 units that ends
// between whole characters (never between the halves of a surrogate pair).
std::wstring_view WholeCharactersPrefix(std::wstring_view text, std::size_t maxUnits);

} // namespace morvane
