#include "services/utilities.h"

#include <algorithm>
#include <limits>

#include "services/decimal_text.h"

namespace morvane {

namespace {

// Callers pass small values; anything beyond 32 bits is held at the limit
// rather than wrapped into a number of the wrong sign.
std::int32_t WholeInt32(SettingsNumber value) {
    const std::int64_t whole = value.Whole();
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(whole, std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

} // namespace

std::int32_t MinOf(SettingsNumber a, SettingsNumber b) {
    return WholeInt32(a < b ? a : b);
}

std::int32_t MaxOf(SettingsNumber a, SettingsNumber b) {
    return WholeInt32(a > b ? a : b);
}

bool InRange(double value, double bound1, double bound2) {
    const auto [low, high] = std::minmax(bound1, bound2);
    return value >= low && value <= high;
}

std::wstring PadLeft(std::wstring_view text, std::wstring_view pattern) {
    std::wstring result;
    if (pattern.size() > text.size()) result = pattern.substr(0, pattern.size() - text.size());
    result += text;
    return result;
}

std::int16_t BitOf(bool flag) {
    return flag ? 1 : 0;
}

std::wstring BytesToText(const AnsiCodePage& ansi, std::span<const std::uint8_t> bytes,
                         std::optional<std::size_t> first, std::optional<std::size_t> count, bool keepZeros) {
    const std::size_t begin = std::min(first.value_or(0), bytes.size());
    const std::size_t end = begin + std::min(count.value_or(bytes.size()), bytes.size() - begin);
    std::string ansiText;
    for (std::size_t i = begin; i < end; ++i) {
        if (bytes[i] == 0 && !keepZeros) break;
        ansiText.push_back(static_cast<char>(bytes[i]));
    }
    return ansi.Decode(ansiText);
}

std::wstring RepeatText(std::wstring_view text, int count) {
    std::wstring result;
    for (int i = 0; i < count; ++i) result += text;
    return result;
}

std::wstring VersionText(int major, int minor, int revision) {
    // The digits of minor + 100 (revision + 10000) without the first one give
    // a fixed count of digits with leading zeros.
    std::wstring text = DecimalText(major) + L"." + DecimalText(minor + 100).substr(1);
    if (revision >= 1) text += L"." + DecimalText(revision + 10000).substr(1);
    return text;
}

std::wstring StripMnemonics(std::wstring_view caption) {
    std::wstring text;
    for (std::size_t i = 0; i < caption.size(); ++i) {
        if (caption[i] != L'&') {
            text += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == L' ') {
            // "& " is a plain ampersand, not an access key.
            text += L"& ";
            ++i;
        }
    }
    constexpr std::wstring_view kEllipsis = L"...";
    if (text.ends_with(kEllipsis)) text.erase(text.size() - kEllipsis.size());
    return text;
}

std::size_t CharacterLength(std::wstring_view text, std::size_t at) {
    const auto high = [](wchar_t c) { return c >= 0xD800 && c <= 0xDBFF; };
    const auto low = [](wchar_t c) { return c >= 0xDC00 && c <= 0xDFFF; };
    return high(text[at]) && at + 1 < text.size() && low(text[at + 1]) ? 2 : 1;
}

std::wstring_view WholeCharactersPrefix(std::wstring_view text, std::size_t maxUnits) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + CharacterLength(text, end);
        if (next > maxUnits) break;
        end = next;
    }
    return text.substr(0, end);
}

} // namespace morvane
