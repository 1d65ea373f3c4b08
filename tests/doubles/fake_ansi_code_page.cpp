#include "doubles/fake_ansi_code_page.h"

#include <array>
#include <cstddef>

namespace morvane {

namespace {

// Bytes 0x80..0x9F; the five unassigned ones map to the control character of
// the same number, as Windows does. Every other byte is its Latin-1 character.
constexpr std::array<wchar_t, 32> kHighControls = {
    L'\u20AC', L'\u0081', L'\u201A', L'\u0192', L'\u201E', L'\u2026', L'\u2020', L'\u2021',
    L'\u02C6', L'\u2030', L'\u0160', L'\u2039', L'\u0152', L'\u008D', L'\u017D', L'\u008F',
    L'\u0090', L'\u2018', L'\u2019', L'\u201C', L'\u201D', L'\u2022', L'\u2013', L'\u2014',
    L'\u02DC', L'\u2122', L'\u0161', L'\u203A', L'\u0153', L'\u009D', L'\u017E', L'\u0178'};

wchar_t DecodeByte(unsigned char byte) {
    if (byte >= 0x80 && byte <= 0x9F) return kHighControls[byte - 0x80u];
    return static_cast<wchar_t>(byte);
}

char EncodeCharacter(wchar_t c) {
    for (std::size_t i = 0; i < kHighControls.size(); ++i) {
        if (kHighControls[i] == c) return static_cast<char>(0x80 + i);
    }
    const bool latin1 = static_cast<unsigned>(c) <= 0xFF && !(c >= 0x80 && c <= 0x9F);
    return latin1 ? static_cast<char>(c) : '?';
}

} // namespace

std::wstring FakeAnsiCodePage::Decode(std::string_view bytes) const {
    std::wstring text;
    text.reserve(bytes.size());
    for (const char byte : bytes) text.push_back(DecodeByte(static_cast<unsigned char>(byte)));
    return text;
}

std::string FakeAnsiCodePage::Encode(std::wstring_view text) const {
    std::string bytes;
    bytes.reserve(text.size());
    for (const wchar_t c : text) bytes.push_back(EncodeCharacter(c));
    return bytes;
}

} // namespace morvane
