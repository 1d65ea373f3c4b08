#pragma once
// The font object: what a window draws its text in.
#include <cstdint>
#include <string>
#include <utility>

#include "platform/fixed_number.h"

namespace morvane {

inline constexpr std::int32_t kNormalWeight = 400;
inline constexpr std::int32_t kBoldWeight = 700;
inline constexpr std::int32_t kAnsiCharset = 0;
inline constexpr std::int32_t kRussianCharset = 204;

class StdFont {
public:
    std::wstring Name;
    SettingsNumber Size;  // points, may have a fraction
    bool Italic = false;
    bool Underline = false;
    bool Strikethrough = false;
    std::int32_t Weight = kNormalWeight;
    std::int32_t Charset = 0;

    bool Bold() const { return bold_; }
    // Setting Bold also sets Weight: bold or normal.
    void SetBold(bool bold) {
        bold_ = bold;
        Weight = bold ? kBoldWeight : kNormalWeight;
    }

private:
    bool bold_ = false;
};

// A font as a window is designed with: face, size in points, bold or normal
// weight, and character set; not italic, underlined or struck out.
inline StdFont DesignFont(std::wstring name, SettingsNumber size, bool bold, std::int32_t charset) {
    StdFont font;
    font.Name = std::move(name);
    font.Size = size;
    font.SetBold(bold);
    font.Charset = charset;
    return font;
}

} // namespace morvane
