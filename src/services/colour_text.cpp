#include "services/colour_text.h"

#include <algorithm>
#include <cstddef>
#include <limits>
#include <optional>

#include "services/leading_number.h"
#include "services/settings_keys.h"
#include "services/utilities.h"

namespace morvane {

namespace {

constexpr std::size_t kColourDigits = 6;

// "&H" followed by the digits, read by the leading-number rule; nothing when
// the value does not fit a signed 32-bit number. Whole numbers all the way:
// no floating point.
std::optional<std::int32_t> ReadHexInt32(std::wstring_view digits) {
    const std::optional<std::int64_t> value = ScaleHalfEven(ScanLeadingNumber(L"&H" + std::wstring(digits)), 0);
    constexpr auto kLow = std::numeric_limits<std::int32_t>::min();
    constexpr auto kHigh = std::numeric_limits<std::int32_t>::max();
    if (!value || *value < kLow || *value > kHigh) return std::nullopt;
    return static_cast<std::int32_t>(*value);
}

} // namespace

std::wstring ColourText(Colour colour) {
    constexpr wchar_t kHexDigits[] = L"0123456789ABCDEF";
    std::wstring hex;
    do {
        hex.insert(hex.begin(), kHexDigits[colour % 16]);
        colour /= 16;
    } while (colour != 0);
    return PadLeft(hex, L"000000");
}

Colour ParseColourText(std::wstring_view text) {
    // Six hexadecimal digits never leave 32 bits.
    return static_cast<Colour>(ReadHexInt32(text.substr(0, std::min(text.size(), kColourDigits))).value_or(0));
}

std::wstring BuildColourListText(const CustomColours& colours) {
    std::wstring text;
    for (const std::int32_t colour : colours) {
        if (!text.empty()) text += L' ';
        if (colour != 0) text += ColourText(static_cast<Colour>(colour));
    }
    // Only blanks can stand at the ends: the separators after the last colour,
    // and the first colour's separator when the entries before it are black.
    const std::size_t first = text.find_first_not_of(L' ');
    if (first == std::wstring::npos) return {};
    return text.substr(first, text.find_last_not_of(L' ') - first + 1);
}

CustomColours ParseColourListText(std::wstring_view text) {
    CustomColours colours{};
    std::size_t start = 0;
    for (std::size_t entry = 0; entry < colours.size() && start <= text.size(); ++entry) {
        const std::size_t blank = std::min(text.find(L' ', start), text.size());
        // An empty piece, or one that does not fit 32 bits, leaves its entry black.
        colours[entry] = ReadHexInt32(text.substr(start, blank - start)).value_or(0);
        start = blank + 1;
    }
    return colours;
}

Colour ReadColour(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                  const std::wstring& key, const std::wstring& defaultText) {
    return ParseColourText(store.IniReadText(file, section, key, defaultText));
}

void WriteColour(const SettingsStore& store, const std::wstring& file, const std::wstring& section,
                 const std::wstring& key, Colour colour) {
    store.IniWriteText(file, section, key, ColourText(colour));
}

CustomColours ReadCustomColours(const SettingsStore& store, const std::wstring& file) {
    return ParseColourListText(store.IniReadText(file, settings_key::kShowColor, settings_key::kCustom));
}

void WriteCustomColours(const SettingsStore& store, const std::wstring& file, const CustomColours& colours) {
    store.IniWriteText(file, settings_key::kShowColor, settings_key::kCustom, BuildColourListText(colours));
}

} // namespace morvane
