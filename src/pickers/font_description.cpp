#include "pickers/font_description.h"

#include <algorithm>
#include <cstdlib>
#include <limits>
#include <string>

#include "pickers/mul_div.h"
#include "services/utilities.h"

namespace morvane {

namespace {

constexpr std::int32_t kPointsPerInch = 72;

std::int32_t WholePoints(SettingsNumber size) {
    return static_cast<std::int32_t>(std::clamp<std::int64_t>(size.Whole(), std::numeric_limits<std::int32_t>::min(),
                                                               std::numeric_limits<std::int32_t>::max()));
}

std::uint8_t Flag(bool on) {
    return on ? 1 : 0;
}

} // namespace

std::array<std::uint8_t, 32> FaceNameField(const AnsiCodePage& ansi, std::wstring_view name) {
    std::array<std::uint8_t, 32> field{};
    const std::size_t room = field.size() - 1;  // the last byte stays zero
    std::size_t used = 0;
    // Character by character, so that a double-byte character that would not
    // fit is left out whole instead of being split.
    for (std::size_t at = 0; at < name.size();) {
        const std::size_t length = CharacterLength(name, at);
        const std::string bytes = ansi.Encode(name.substr(at, length));
        if (bytes.size() > room - used) break;
        std::copy(bytes.begin(), bytes.end(), field.begin() + static_cast<std::ptrdiff_t>(used));
        used += bytes.size();
        at += length;
    }
    return field;
}

FontDescription FontDescriptionFromFont(const StdFont& font, std::int32_t pixelsPerInchY, const AnsiCodePage& ansi) {
    FontDescription description;
    description.height = -MulDiv(WholePoints(font.Size), pixelsPerInchY, kPointsPerInch);
    description.weight = font.Bold() ? kBoldWeight : 0;
    description.italic = Flag(font.Italic);
    description.underline = Flag(font.Underline);
    description.strikeOut = Flag(font.Strikethrough);
    description.charset = static_cast<std::uint8_t>(std::clamp(font.Charset, 0, 255));
    description.faceName = FaceNameField(ansi, font.Name);
    return description;
}

StdFont LogFontToFont(const FontDescription& description, std::int32_t pixelsPerInchY, const AnsiCodePage& ansi) {
    StdFont font;
    font.Size = SettingsNumber(std::abs(MulDiv(description.height, kPointsPerInch, pixelsPerInchY)));
    font.Charset = description.charset;
    font.Italic = description.italic > 0;
    font.Underline = description.underline > 0;
    font.SetBold(description.weight == kBoldWeight);
    font.Strikethrough = description.strikeOut > 0;
    font.Name = BytesToText(ansi, description.faceName);
    return font;
}

} // namespace morvane
